#pragma once
#include <cstddef>
#include <span>
#include <string_view>

// How many edits turn one word into another: a byte inserted, removed,
// replaced, or two neighbouring bytes swapped ("segnlae" is one edit from
// "segnale"). Bytes are compared as they are: callers fold letter case first.
std::size_t distanza_parole(std::string_view a, std::string_view b);

// The candidate nearest to the word, the first of equals; empty when there is
// no candidate or the nearest is more than massimo edits away.
std::string_view parola_piu_vicina(std::string_view parola, std::span<const std::string_view> candidati,
                                   std::size_t massimo);
