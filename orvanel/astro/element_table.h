// The mean orbital elements of efemerides.txt: element e = 1..7 of body b = 1..10 (the Earth, the
// Moon, Mercury .. Pluto), stored in the file element by element, seventy numbers in all.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace orvanel {

inline constexpr int kBodies = 10;
inline constexpr int kElements = 7;
inline constexpr std::size_t kElementValues = std::size_t{kBodies} * kElements;

// Element numbers.
enum Element : int {
    kDailyMotion = 1,     // degrees per day
    kEpochLongitude = 2,  // mean longitude at 1980 January 0.0, degrees
    kPerihelion = 3,      // longitude of the perihelion (the Moon: of the perigee), degrees
    kEccentricity = 4,
    kSemiMajorAxis = 5,  // astronomical units
    kInclination = 6,    // degrees
    kNode = 7,           // longitude of the ascending node, degrees
};

class ElementTable {
  public:
    double Get(int element, int body) const { return values_[Index(element, body)]; }
    void Set(int element, int body, double v) { values_[Index(element, body)] = v; }

  private:
    static std::size_t Index(int element, int body) {
        return static_cast<std::size_t>(element - 1) * kBodies + static_cast<std::size_t>(body - 1);
    }
    std::array<double, kElementValues> values_{};
};

// The number items of a sequential text file: separated by commas, blanks, tabs or line ends (blanks
// around a comma belong to it, and two commas in a row hold an empty item); each item is read by the
// numeric-value rule, so an item that holds no number is 0.
std::vector<double> ReadNumberItems(std::string_view bytes, std::size_t wanted);

// The first seventy numbers of the file's text. Fewer than seventy, or one that is not finite, throws
// cp::DataFault with the message kEphemerisFileMessage.
ElementTable ParseElementTable(std::string_view bytes);

inline constexpr char kEphemerisFileMessage[] = "Falta el archivo efemerides.txt o está incompleto";

}  // namespace orvanel
