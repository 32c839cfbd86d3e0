// The name key: which names the register takes for the same one, the order of the list, and the
// search of the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "orvanel/register/name_key.h"
#include "orvanel/register/subject_search.h"

namespace orvanel::subjects {
namespace {

TEST(NameKey, FoldsCaseAndAccentsButKeepsTheEnye) {
    struct Case {
        const char *a, *b;
        bool same;
        const char* why;
    };
    const Case cases[] = {
        {"ÁLVARO", "alvaro", true, "case and acute accent"},
        {"Müller Çelik", "MULLER CELIK", true, "diaeresis and cedilla"},
        {"Peña", "Pena", false, "ñ is a letter of its own in Spanish"},
        {"Peña",
         "PEN\xCC\x83"
         "A",
         true, "ñ typed as n and a combining tilde"},
        {"Jose\xCC\x81", "josé", true, "an accent typed as a combining mark"},
        {"Strauß", "STRAUSS", true, "ß folds to ss"},
        {"Ἀθηνᾶ", "ΑΘΗΝΑ", true, "Greek breathings and accents"},
        {"Ёлка", "елка", true, "Cyrillic"},
        {"Luna 🌙", "LUNA 🌙", true, "an emoji is its own key"},
        {"Ana María", "Ana  María", false, "blanks inside a name count"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameKey(c.a) == NameKey(c.b), c.same) << c.why;
}

TEST(NameKey, OrdersEnyeBetweenNAndOAndSearchesWithin) {
    std::vector<ListedSubject> list;
    for (const char* name : {"Oscar", "Ñoño", "Nuria", "Álvaro", "Peña", "Pena", "ana"})
        list.push_back({name, NameKey(name), "", "", "", ""});
    std::sort(list.begin(), list.end(), [](const auto& x, const auto& y) { return x.key < y.key; });
    std::vector<std::string> order;
    for (const auto& s : list)
        order.push_back(s.name);
    EXPECT_EQ(order, (std::vector<std::string>{"Álvaro", "ana", "Nuria", "Ñoño", "Oscar", "Pena", "Peña"}));

    const auto found = [&](const char* search) {
        std::vector<std::string> names;
        for (const std::size_t i : Matching(list, search))
            names.push_back(list[i].name);
        return names;
    };
    EXPECT_EQ(found("ALV"), (std::vector<std::string>{"Álvaro"}));
    EXPECT_EQ(found("peñ"), (std::vector<std::string>{"Peña"}));
    EXPECT_EQ(found("pen"), (std::vector<std::string>{"Pena", "Peña"})) << "a search for n finds ñ after it";
    EXPECT_EQ(found("").size(), list.size());
    EXPECT_TRUE(found("x").empty());
}

}  // namespace
}  // namespace orvanel::subjects
