// End-to-end speed and memory of batch runs.
//
// Writes CSV files of generated rows that mix the four calculations, every
// source, every metal and custom materials (a few rows fault on purpose),
// runs the real program on each file as a user would, output to /dev/null,
// and reports the rows per second and the peak resident memory of the run.
// The row counts grow tenfold from one file to the next, so a flat peak
// shows that memory does not grow with the number of rows. Then the same for
// inputs that a batch run refuses or reports row by row: as many rows whose
// frequency is not a number (an error must cost no more than a result), a
// record just within the length limit and one just beyond it, and /dev/zero
// (one endless record), whose peak must stay that of the limit. The largest
// file runs once more with --reference, the reference model and the advice
// on every row: at least 100,000 rows per second.
//
// usage: batch_bench PATH_TO_SHIELDCALC_CLI [ROWS...]   (default 10000 100000 1000000)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const kHeader = "calculation,source,material,sigma_r,mu_r,shape,f,l,r,a,b,n,D,w,h,"
                            "l1,r1,material1,l2,r2,material2\n";
const char* const kMetals[] = {"copper", "silver", "gold", "iron", "brass", "aluminium"};
const char* const kSources[] = {"plane", "magnetic", "electric"};

// One generated row; about one in a thousand has a zero frequency and faults.
std::string row(std::mt19937& random) {
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    const auto one = [&](const auto& list) {
        return list[std::size_t(pick(random)) % std::size(list)];
    };
    const auto number = [&](double low, double high) {
        const double t = std::uniform_real_distribution<double>(0, 1)(random);
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", low + t * (high - low));
        return std::string(text);
    };
    const bool custom = pick(random) % 8 == 0;
    const std::string material =
        custom ? "," + number(0.1, 2) + "," + number(1, 500) : std::string(one(kMetals)) + ",,";
    const std::string f = pick(random) % 1000 == 0 ? "0" : number(1, 1000);
    switch (pick(random) % 4) {
    case 0:
        return "solid," + std::string(one(kSources)) + "," + material + ",," + f + "," +
               number(0.001, 0.5) + "," + number(1, 100) + ",,,,,,,,,,,,\n";
    case 1: {
        const bool circle = pick(random) % 2 == 0;
        return "aperture," + std::string(one(kSources)) + "," + material + "," +
               (circle ? "circle," : "rect,") + f + "," + number(0.1, 1) + "," + number(1, 100) +
               "," + number(0.05, 1) + "," + number(0.05, 1) + "," + number(0.1, 4) + "," +
               (circle ? number(0.1, 1) + "," : "," + number(0.1, 1)) + ",,,,,,,\n";
    }
    case 2:
        return "double," + std::string(one(kSources)) + ",,,,," + f + ",,,,,,,,," +
               number(0.001, 0.5) + "," + number(1, 100) + "," + one(kMetals) + "," +
               number(0.001, 0.5) + "," + number(1, 20) + "," + one(kMetals) + "\n";
    default:
        return "enclosure," + std::string(pick(random) % 2 == 0 ? "magnetic" : "electric") + "," +
               material + ",," + f + "," + number(0.001, 0.2) + ",," + number(5, 100) + "," +
               number(5, 100) + ",,,," + number(5, 100) + ",,,,,,\n";
    }
}

struct Run {
    double seconds;
    long peakKiB;
    int status;
};

// The longest record a batch run reads, in bytes without its line end.
constexpr long kRecordLimit = 1 << 20;

// option: one more argument after the file, or nullptr.
Run runProgram(const char* program, const std::string& file, const char* option = nullptr) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        execl(program, program, "batch", file.c_str(), option, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH_TO_SHIELDCALC_CLI [ROWS...]\n", argv[0]);
        return 2;
    }
    std::vector<long> counts;
    for (int i = 2; i < argc; ++i) {
        counts.push_back(std::atol(argv[i]));
    }
    if (counts.empty()) {
        counts = {10000, 100000, 1000000};
    }
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("shieldcalc-batch-bench-" + std::to_string(getpid()) + ".csv");
    std::printf("%10s %12s %12s %14s %6s\n", "rows", "MB", "seconds", "rows/s", "peak");
    for (long count : counts) {
        std::mt19937 random(20261207);
        {
            std::ofstream out(file, std::ios::binary);
            out << kHeader;
            for (long i = 0; i < count; ++i) {
                out << row(random);
            }
        }
        const Run run = runProgram(argv[1], file.string());
        std::printf("%10ld %12.1f %12.3f %14.0f %5.1fM  (exit %d)\n", count,
                    double(std::filesystem::file_size(file)) / 1e6, run.seconds,
                    double(count) / run.seconds, double(run.peakKiB) / 1024, run.status);
    }
    const auto report = [&](const char* what, long rows, const std::string& input,
                            const char* option = nullptr) {
        const Run run = runProgram(argv[1], input, option);
        std::printf("%-28s %10ld rows %10.3f s %12.0f rows/s %7.1fM  (exit %d)\n", what, rows,
                    run.seconds, double(rows) / run.seconds, double(run.peakKiB) / 1024,
                    run.status);
    };
    std::printf("\n");
    report("with --reference", counts.back(), file.string(), "--reference");
    const long badRows = counts.back();
    {
        std::ofstream out(file, std::ios::binary);
        out << "calculation,source,material,f,l,r\n";
        for (long i = 0; i < badRows; ++i) {
            out << "solid,plane,copper,1x" << i % 10 << ",0.1,10\n";
        }
    }
    report("f not a number", badRows, file.string());
    for (const long length : {kRecordLimit, kRecordLimit + 1}) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        const std::string field = "solid,plane,copper,1,0.1,";
        out << "calculation,source,material,f,l,r\n"
            << field << std::string(std::size_t(length) - field.size(), '9') << "\n";
        out.close();
        report(length == kRecordLimit ? "record of 1 MiB" : "record of 1 MiB + 1 byte", 1,
               file.string());
    }
    report("/dev/zero", 0, "/dev/zero");
    std::filesystem::remove(file);
    return 0;
}
