// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogGenerator.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace quillog::bench
{

namespace
{

// A small linear congruential generator: fixed across compilers and standard libraries.
class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_state(seed)
    {
    }
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    template <typename T, std::size_t N> const T &pick(const std::array<T, N> &items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    std::uint32_t m_state;
};

struct Band {
    std::string_view name;
    double low, high;
};

constexpr std::array bands = { Band { "160m", 1.81, 1.99 }, Band { "80m", 3.5, 3.8 },
    Band { "40m", 7.0, 7.2 }, Band { "30m", 10.1, 10.15 }, Band { "20m", 14.0, 14.35 },
    Band { "17m", 18.068, 18.168 }, Band { "15m", 21.0, 21.45 }, Band { "12m", 24.89, 24.99 },
    Band { "10m", 28.0, 29.7 }, Band { "6m", 50.0, 52.0 }, Band { "2m", 144.0, 146.0 } };
constexpr std::array modes = { "SSB", "CW", "FT8", "FT8", "FT8", "RTTY", "FM", "FT4" };
struct Entity {
    const char *prefix, *country, *place;
    int dxcc, cqZone, ituZone;
};

constexpr std::array entities = { Entity { "K", "United States Of America", "Springfield", 291, 5, 8 },
    Entity { "W", "United States Of America", "Denver", 291, 4, 7 },
    Entity { "DL", "Fed. Rep. Of Germany", "Berlin", 230, 14, 28 },
    Entity { "F", "France", "Lyon", 227, 14, 27 }, Entity { "I", "Italy", "Milano", 248, 15, 28 },
    Entity { "EA", "Spain", "Madrid", 281, 14, 37 }, Entity { "JA", "Japan", "Osaka", 339, 25, 45 },
    Entity { "VK", "Australia", "Sydney", 150, 30, 59 },
    Entity { "UA", "European Russia", "Moscow", 54, 16, 29 },
    Entity { "SP", "Poland", "Krakow", 269, 15, 28 }, Entity { "HA", "Hungary", "Budapest", 239, 15, 28 },
    Entity { "PA", "Netherlands", "Utrecht", 263, 14, 27 }, Entity { "LA", "Norway", "Oslo", 266, 14, 18 },
    Entity { "VE", "Canada", "Toronto", 1, 4, 4 },
    Entity { "LU", "Argentina", "Buenos Aires", 100, 13, 14 } };
constexpr std::array names = { "John", "Bob", "Hans", "Pierre", "Marco", "Jose", "Taro", "Ivan", "Piotr",
    "Ferenc", "Jan", "Mike", "Bill", "Andrea", "Lars", "Sergey" };
constexpr std::array comments = { "", "", "", "tnx QSO", "nice signal", "QSB", "first QSO on this band",
    "73 de op", "pota activation", "contest QSO" };

void field(std::string &out, std::string_view name, std::string_view value)
{
    char tag[64];
    std::snprintf(tag, sizeof tag, "<%.*s:%zu>", static_cast<int>(name.size()), name.data(), value.size());
    out += tag;
    out += value;
    out += ' ';
}

std::string call(Random &random, const Entity &entity)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%d%c%c%c", entity.prefix, random.below(10), 'A' + random.below(26),
        'A' + random.below(26), 'A' + random.below(26));
    return text;
}

std::string grid(Random &random)
{
    char text[8];
    std::snprintf(text, sizeof text, "%c%c%d%d%c%c", 'A' + random.below(18), 'A' + random.below(18),
        random.below(10), random.below(10), 'a' + random.below(24), 'a' + random.below(24));
    return text;
}

void appendRecord(std::string &out, Random &random, int index)
{
    char text[64];
    const Band &band = random.pick(bands);
    const std::string_view mode = random.pick(modes);
    const int day = index / 40; // about forty QSOs a day, from 1 January 2000
    const int year = 2000 + day / 365 % 26, dayOfYear = day % 365;
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, dayOfYear / 31 % 12 + 1, dayOfYear % 28 + 1);
    const std::string date = text;
    const int minute = (index * 17) % 1440;
    std::snprintf(text, sizeof text, "%02d%02d%02d", minute / 60, minute % 60, random.below(60));
    const std::string timeOn = text;
    std::snprintf(text, sizeof text, "%02d%02d%02d", minute / 60, minute % 60, 59);
    const std::string timeOff = text;
    std::snprintf(
        text, sizeof text, "%.6f", band.low + (band.high - band.low) * random.below(10000) / 10000.0);
    const std::string frequency = text;
    const bool phone = mode == "SSB" || mode == "FM";
    const std::string report
        = mode == "FT8" || mode == "FT4" ? std::to_string(random.below(40) - 24) : (phone ? "59" : "599");
    const Entity &entity = random.pick(entities);

    field(out, "CALL", call(random, entity));
    field(out, "QSO_DATE", date);
    field(out, "TIME_ON", timeOn);
    field(out, "QSO_DATE_OFF", date);
    field(out, "TIME_OFF", timeOff);
    field(out, "BAND", band.name);
    field(out, "FREQ", frequency);
    field(out, "MODE", mode == "FT4" ? "MFSK" : mode);
    if (mode == "FT4")
        field(out, "SUBMODE", "FT4");
    field(out, "RST_SENT", report);
    field(out, "RST_RCVD", report);
    field(out, "NAME", random.pick(names));
    field(out, "QTH", entity.place);
    field(out, "GRIDSQUARE", grid(random));
    field(out, "COUNTRY", entity.country);
    field(out, "DXCC", std::to_string(entity.dxcc));
    field(out, "CQZ", std::to_string(entity.cqZone));
    field(out, "ITUZ", std::to_string(entity.ituZone));
    field(out, "TX_PWR", std::to_string(5 + 5 * random.below(20)));
    field(out, "STATION_CALLSIGN", "AB1CDE");
    field(out, "MY_GRIDSQUARE", "FN42ab");
    if (const std::string_view comment = random.pick(comments); !comment.empty())
        field(out, "COMMENT", comment);
    field(out, "QSL_SENT", random.below(3) == 0 ? "Y" : "N");
    field(out, "LOTW_QSL_SENT", random.below(2) == 0 ? "Y" : "N");
    out += "<EOR>\n";
}

} // namespace

std::string generateAdiLog(int qsos, std::uint32_t seed)
{
    Random random(seed);
    std::string out
        = "Generated log for tests and benchmarks\n<ADIF_VER:5>3.1.6 <PROGRAMID:9>generator <EOH>\n";
    out.reserve(static_cast<std::size_t>(qsos) * 420 + out.size());
    for (int i = 0; i < qsos; ++i)
        appendRecord(out, random, i);
    return out;
}

} // namespace quillog::bench
