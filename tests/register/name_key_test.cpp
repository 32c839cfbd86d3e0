// The name key: which names the register takes for the same one, the order of the list, and the
// search of the window.
#include <gtest/gtest.h>

#include <tuple>

#include "orvanel/register/name_key.h"
#include "orvanel/register/subject_search.h"

namespace orvanel::subjects {
namespace {

TEST(NameKey, FoldsCaseAndAccentsButKeepsTheEnyeBetweenNAndO) {
    // Two names, the order of the first's key against the second's (0: the same name), and why.
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"ÁLVARO", "alvaro", 0, "case and acute accent"},
        {"Müller Çelik", "MULLER CELIK", 0, "diaeresis and cedilla"},
        {"Peña", "Pena", 1, "ñ is a letter of its own in Spanish, after n"},
        {"Ñoño", "Oscar", -1, "ñ comes before o"},
        {"Peña", "PEN\u0303A", 0, "ñ typed as n and a combining tilde"},
        {"Jose\u0301", "josé", 0, "an accent typed as a combining mark"},
        {"Strauß", "STRAUSS", 0, "ß folds to ss"},
        {"Ἀθηνᾶ", "ΑΘΗΝΑ", 0, "Greek breathings and accents"},
        {"Ёлка", "елка", 0, "Cyrillic"},
        {"Luna 🌙", "LUNA 🌙", 0, "an emoji is its own key"},
        {"Ana María", "Ana  María", 1, "blanks inside a name count"},
    };
    for (const auto& [a, b, order, why] : cases)
        EXPECT_EQ((NameKey(a) > NameKey(b)) - (NameKey(a) < NameKey(b)), order) << why;
}

TEST(NameKey, SearchesWithinTheFoldedNames) {
    std::vector<ListedSubject> list;
    for (const char* name : {"Álvaro", "ana", "Pena", "Peña"})
        list.push_back({name, NameKey(name), "", "", "", ""});
    const std::pair<const char*, std::vector<std::size_t>> searches[] = {
        {"ALV", {0}}, {"peñ", {3}}, {"pen", {2, 3}}, {"", {0, 1, 2, 3}}, {"x", {}},
    };
    for (const auto& [search, found] : searches)
        EXPECT_EQ(Matching(list, search), found) << search;
}

}  // namespace
}  // namespace orvanel::subjects
