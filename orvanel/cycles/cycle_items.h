// The cycle items of the cycles window's "Sol" and "Luna" menus: each names its menu item, its
// caption, the title it writes over the plot and the points and mode it plots.
#pragma once

#include <array>
#include <cstdint>

namespace orvanel {

struct CycleItem {
    const char* name;     // object name of the menu item
    const char* caption;  // UTF-8, access key marked with "&"
    const char* title;    // UTF-8, written into Label1
    std::int16_t a, b, mode;
};

inline constexpr std::array<CycleItem, 3> kSunItems = {{
    {"mnuSolascendente", "Sol - &Ascendente del sujeto", "Ciclo  Sol - Ascendente natal", 13, 1, 2},
    {"mnuSoluna", "Sol - &Luna", "Ciclo  Sol - Luna", 1, 2, 1},
    {"mnuSolmercurio", "Sol - &Mercurio", "Ciclo  Sol - Mercurio", 1, 3, 1},
}};

inline constexpr std::array<CycleItem, 11> kMoonItems = {{
    {"mnuLunascendente", "Luna - &Ascendente del sujeto", "Ciclo  Luna - Ascendente natal", 13, 2, 2},
    {"mnuLunamercurio", "Luna - &Mercurio", "Ciclo  Luna - Mercurio", 3, 2, 1},
    {"mnuLunavenus", "Luna - &Venus", "Ciclo  Luna - Venus", 4, 2, 1},
    {"mnuLumarte", "Luna - Mar&te", "Ciclo  Luna - Marte", 5, 2, 1},
    {"mnuLunajupiter", "Luna - &Júpiter", "Ciclo  Luna - Júpiter", 6, 2, 1},
    {"mnuLunasaturno", "Luna - &Saturno", "Ciclo  Luna - Saturno", 7, 2, 1},
    {"mnuLunaurano", "Luna - &Urano", "Ciclo  Luna - Urano", 8, 2, 1},
    {"mnuLunaneptuno", "Luna - &Neptuno", "Ciclo  Luna - Neptuno", 9, 2, 1},
    {"mnuLunapluton", "Luna - &Plutón", "Ciclo  Luna - Plutón", 10, 2, 1},
    {"mnuLunalilith", "Luna - &Lilith", "Ciclo  Luna - Lilith", 11, 2, 1},
    {"mnuLunanodo", "Luna _ No&do", "Ciclo  Luna - Nodo", 12, 2, 1},
}};

}  // namespace orvanel
