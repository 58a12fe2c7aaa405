#pragma once
// Strict checks of the numbered lines of a history file.
//
// The writer puts exactly six groups "item,count[,jewel...]" on a combination
// line and a key "<kind><sex><number>" on each [DataBase] line, all plain
// decimal numbers that fit 16 bits. A line that differs (cut short, a number
// past 65535, an unknown kind digit, a jewel count that swallows the next
// groups) would silently change or drop results, so the reader refuses it.

#include <string>
#include <vector>

namespace zeku {

// True when `fields` are exactly six well-formed groups of the combination notation.
bool isWellFormedNotation(const std::vector<std::string>& fields);

// True when `key` is "<kind 0-6><sex digit><item number 1-65535>".
bool isWellFormedItemKey(const std::string& key);

} // namespace zeku
