# bash completion for zeku-data                            -*- shell-script -*-

_zeku_data()
{
    local cur prev i command="" words=0
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    case "$prev" in
        --dat | --user)
            COMPREPLY=($(compgen -d -- "$cur"))
            return
            ;;
    esac
    # The words before the cursor that are not options or their values.
    for ((i = 1; i < COMP_CWORD; i++)); do
        case "${COMP_WORDS[i]}" in
            --dat | --user) ((i++)) ;;
            -*) ;;
            *)
                [ -z "$command" ] && command="${COMP_WORDS[i]}"
                ((words++))
                ;;
        esac
    done
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "--dat --user --json --help --version" -- "$cur"))
    elif [ "$words" -eq 0 ]; then
        COMPREPLY=($(compgen -W "history favorites paths" -- "$cur"))
    elif [ "$words" -eq 1 ] && [ "$command" != paths ]; then
        COMPREPLY=($(compgen -W "show" -- "$cur"))
    fi
}
complete -F _zeku_data zeku-data
