#pragma once
// Calendar dates as xBase keeps them: "YYYYMMDD" text in records and Julian
// day numbers in index keys and date arithmetic.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pc::xbase {

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

// Julian day number of a proleptic Gregorian date (1954-02-15 -> 2434789).
int64_t julianDay(int year, int month, int day);
CivilDate civilFromJulian(int64_t jd);

// Parses exactly eight digits "YYYYMMDD" that name a real date.
std::optional<CivilDate> parseDtos(std::string_view text);
// Julian day of "YYYYMMDD"; 0 for blank or invalid text (xBase's empty date).
int64_t julianFromDtos(std::string_view text);
// "YYYYMMDD" of a Julian day; eight blanks for 0.
std::string dtosFromJulian(int64_t jd);

}  // namespace pc::xbase
