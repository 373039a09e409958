// SPDX-License-Identifier: GPL-3.0-or-later
// Measures reading, writing, sorting, checking, validating and counting the statistics of a realistic
// log. Prints the median of several runs and the peak memory while the log is open.
//   quillog-bench [--qsos N] [--runs R] [FILE]
//   quillog-bench --generate N FILE
#include "BenchArguments.h"
#include "LogGenerator.h"
#include "check/LogCheck.h"
#include "check/LogValidation.h"
#include "check/ValidationProfiles.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "definitions/AdifCatalogue.h"
#include "definitions/ValueLists.h"
#include "formats/AdiReader.h"
#include "formats/AdiWriter.h"
#include "side/Statistics.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace quillog;

namespace
{

double secondsOf(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Peak resident memory of this process in bytes (VmHWM), which resetPeakMemory() sets back to the
// current resident size.
long long peakMemory()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    }
    return -1;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

SaveDefinitions benchDefinitions()
{
    SaveDefinitions definitions;
    definitions.modes = { "SSB", "CW", "FT8", "RTTY", "FM", "MFSK", "AM", "PSK" };
    definitions.bands = { "160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m", "2m" };
    return definitions;
}

ValueLists checkLists()
{
    const SaveDefinitions save = benchDefinitions();
    ValueLists lists;
    lists.modes = save.modes;
    lists.bands = save.bands;
    lists.submodes = { "USB=SSB", "LSB=SSB", "FT4=MFSK", "PSK31=PSK" };
    return lists;
}

// Saving one record of 100,000 fields: the columns must not be compared with each other.
double wideRecordSave(const std::string &folder)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "<F" + std::to_string(i) + ":1>x ";
    text += "<EOR>\n";
    LogTable table;
    RunningFlag progress;
    LargeBuffer buffer(text.size());
    std::memcpy(buffer.data(), text.data(), text.size());
    readAdi(std::move(buffer), table, {}, progress);
    SaveOptions options;
    options.noChecks = true;
    const std::string out = folder + "/quillog-bench-wide.adi";
    const double seconds
        = secondsOf([&] { writeAdiFile(out, table, options, benchDefinitions(), progress); });
    std::filesystem::remove(out);
    return seconds;
}

int run(const std::string &path, int runs)
{
    const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::vector<double> reads, writes, sorts, checks, validations, statistics;
    const AdifCatalogueLoad adif = loadAdifCatalogue(QUILLOG_TEMPLATES_FILE);
    ValidationOptions validation;
    validation.profile = findValidationProfile("adif");
    long long peak = 0;
    int qsos = 0;
    for (int i = 0; i < runs; ++i) {
        resetPeakMemory();
        const long long before = peakMemory();
        LogTable table;
        RunningFlag progress;
        reads.push_back(secondsOf([&] { qsos = readAdiFile(path, table, {}, progress).records; }));
        peak = std::max(peak, peakMemory() - before);
        table.insertColumn("#", 0);
        table.setFixedColumnCount(1);
        // Counted in file order, as a log stands after opening; the sort below scatters the rows.
        statistics.push_back(secondsOf([&] { countStatistics(table, progress); }));
        const std::string out = path + ".out.adi";
        writes.push_back(secondsOf([&] { writeAdiFile(out, table, {}, benchDefinitions(), progress); }));
        std::filesystem::remove(out);
        sorts.push_back(secondsOf([&] { table.sortByColumn(table.findColumn("CALL"), true); }));
        const ValueLists lists = checkLists();
        checks.push_back(secondsOf([&] { checkLog(table, lists, {}, progress); }));
        validations.push_back(secondsOf([&] { validateLog(table, adif.catalogue, validation, progress); }));
    }
    std::printf("log: %s, %d QSOs, %.1f MB, %d runs\n", path.c_str(), qsos, megabytes, runs);
    std::printf("read ADI          median %.3f s  (min %.3f)\n", median(reads),
        *std::min_element(reads.begin(), reads.end()));
    std::printf("write ADI, checks median %.3f s  (min %.3f)\n", median(writes),
        *std::min_element(writes.begin(), writes.end()));
    std::printf("sort by CALL      median %.3f s\n", median(sorts));
    std::printf("log check         median %.3f s\n", median(checks));
    std::printf("statistics        median %.3f s\n", median(statistics));
    // The validator's target: read and validate within three times a read alone (quillog-cli info).
    std::printf("validate (adif)   median %.3f s  read + validate = %.2f x the read\n", median(validations),
        (median(reads) + median(validations)) / median(reads));
    std::printf("save one record of 100,000 fields %.3f s\n",
        wideRecordSave(std::filesystem::temp_directory_path().string()));
    std::printf("peak memory of a read: %.1f MB = %.2f x the file\n", static_cast<double>(peak) / 1e6,
        static_cast<double>(peak) / 1e6 / megabytes);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    static constexpr const char *usage = "[--qsos N] [--runs R] [FILE] | --generate N FILE";
    if (argc > 1 && std::strcmp(argv[1], "--generate") == 0) {
        const int qsos = argc == 4 ? std::atoi(argv[2]) : 0;
        if (qsos <= 0) {
            bench::BenchArguments wrong;
            wrong.error = "--generate needs a positive number and a file";
            return bench::printUsage("quillog-bench", wrong, usage);
        }
        std::ofstream(argv[3], std::ios::binary) << bench::generateAdiLog(qsos);
        return 0;
    }
    const bench::BenchArguments arguments = bench::parseBenchArguments(argc, argv);
    if (arguments.help || !arguments.error.empty())
        return bench::printUsage("quillog-bench", arguments, usage);
    return run(bench::benchLogPath(arguments), arguments.runs);
}
