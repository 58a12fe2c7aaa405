# bash completion for zeku-search                          -*- shell-script -*-

_zeku_search()
{
    local cur prev
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    case "$prev" in
        --dat | --user)
            COMPREPLY=($(compgen -d -- "$cur"))
            return
            ;;
        --save | --comment | --bench)
            return
            ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "--dat --user --progress --save --comment --addable --fits --explain --bench --bench-exact --help --version" \
            -- "$cur"))
    else
        COMPREPLY=($(compgen -f -X '!*.json' -- "$cur") $(compgen -d -- "$cur"))
    fi
}
complete -F _zeku_search zeku-search
