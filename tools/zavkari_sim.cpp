// zavkari-sim: plays whole matches without a window and can write what happened as a trace.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "match_runner.h"
#include "trace_writer.h"

namespace {

using namespace zavkari;

struct Arguments {
    long long matches = 1;
    std::uint64_t seed = 1;
    HumanPolicy policy = HumanPolicy::Random;
    PlayerKind computers = PlayerKind::Rules;
    std::string name = "gio";
    int penalty = 19;
    std::optional<std::string> trace;
    bool quiet = false;
    bool help = false;
};

constexpr std::string_view kUsage =
    "usage: zavkari-sim [--matches N] [--seed S] [--human legal|random|greedy|strong]\n"
    "                   [--computers rules|strong] [--name NAME] [--penalty P] [--trace FILE]\n"
    "                   [--quiet]\n";
constexpr std::string_view kExitStatus =
    "exit status: 0 every match finished, 1 a match stalled, 2 bad arguments,\n"
    "             3 the trace or the summary could not be written\n";

// Exit status when the trace or the summary could not be written out (a full disk, say).
constexpr int kWriteFailed = 3;

std::optional<long long> ParseNumber(std::string_view text, long long low, long long high) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

// A name as the name box takes it: 1 to 7 characters of UTF-8 text, none of them a control
// character, not only blanks.
bool ValidName(std::string_view name) {
    if (!IsUtf8(name)) return false;
    std::size_t characters = 0;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return false;
        characters += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters >= 1 && characters <= 7 && name.find_first_not_of(' ') != std::string::npos;
}

// Parses the command line; on a bad argument prints why and returns nothing.
std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--quiet") {
            args.quiet = true;
            continue;
        }
        if (option == "--help" || option == "-h") {
            args.help = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::cerr << "zavkari-sim: " << option << " needs a value\n" << kUsage;
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (option == "--matches") {
            const auto n = ParseNumber(value, 1, 1'000'000'000);
            ok = n.has_value();
            if (ok) args.matches = *n;
        } else if (option == "--seed") {
            const auto n = ParseNumber(value, 0, 999'999'999'999'999'999);
            ok = n.has_value();
            if (ok) args.seed = static_cast<std::uint64_t>(*n);
        } else if (option == "--human") {
            const auto policy = ParseHumanPolicy(value);
            ok = policy.has_value();
            if (ok) args.policy = *policy;
        } else if (option == "--computers") {
            const auto computers = ParseComputers(value);
            ok = computers.has_value();
            if (ok) args.computers = *computers;
        } else if (option == "--name") {
            ok = ValidName(value);
            args.name = value;
        } else if (option == "--penalty") {
            const auto n = ParseNumber(value, 4, 49);
            ok = n.has_value();
            if (ok) args.penalty = static_cast<int>(*n);
        } else if (option == "--trace") {
            args.trace = std::string(value);
        } else {
            std::cerr << "zavkari-sim: unknown option " << option << "\n" << kUsage;
            return std::nullopt;
        }
        if (!ok) {
            std::cerr << "zavkari-sim: bad value for " << option << ": '" << value << "'\n"
                      << kUsage;
            return std::nullopt;
        }
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> args = Parse(argc, argv);
    if (!args) return 2;
    if (args->help) {
        std::cout << kUsage << kExitStatus;
        return 0;
    }

    std::ofstream file;
    std::ostream* trace = nullptr;
    if (args->trace == "-") {
        trace = &std::cout;
    } else if (args->trace) {
        file.open(*args->trace, std::ios::out | std::ios::trunc);
        if (!file) {
            std::cerr << "zavkari-sim: cannot write the trace to " << *args->trace << "\n";
            return 2;
        }
        trace = &file;
    }
    // Summary lines go to standard error when the trace takes standard output.
    std::ostream& report = args->trace == "-" ? std::cerr : std::cout;
    const auto traceLost = [&] {
        std::cerr << "zavkari-sim: could not write the trace to "
                  << (trace == &std::cout ? "standard output" : *args->trace) << "\n";
        return kWriteFailed;
    };

    long long finished = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < args->matches; ++i) {
        MatchConfig config;
        config.seed = args->seed + static_cast<std::uint64_t>(i);
        config.policy = args->policy;
        config.computers = args->computers;
        config.name = args->name;
        config.penaltySlider = args->penalty;

        std::unique_ptr<TraceWriter> writer;
        const auto attach = [&](Game& game) {
            if (!trace) return;
            writer = std::make_unique<TraceWriter>(*trace, game);
            writer->WriteMatch(config);
            game.SetObserver(writer.get());
        };
        const MatchResult result = PlayMatch(config, attach);
        if (writer) writer->WriteEnd(result.finished, result.deals);
        if (trace && !*trace) return traceLost();
        finished += result.finished ? 1 : 0;
        if (!args->quiet) {
            report << "match " << i + 1 << " seed " << config.seed << ": "
                   << (result.finished ? "finished" : "STALLED") << ", " << result.deals
                   << " deals, totals";
            for (const std::string& total : result.totals)
                report << ' ' << (total.empty() ? "-" : total);
            report << '\n';
        } else if (!result.finished) {
            std::cerr << "zavkari-sim: match with seed " << config.seed << " stalled after "
                      << result.deals << " deals\n";
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!args->quiet) {
        char rate[64];
        std::snprintf(rate, sizeof rate, "%.1f", seconds > 0 ? args->matches / seconds : 0.0);
        report << args->matches << " matches, " << finished << " finished, " << rate
               << " matches per second\n";
    }
    if (trace) trace->flush();
    if (file.is_open()) file.close();  // writes out what is still buffered, and may fail doing so
    if (trace && !*trace) return traceLost();
    if (!std::cout.flush()) {
        std::cerr << "zavkari-sim: could not write to standard output\n";
        return kWriteFailed;
    }
    return finished == args->matches ? 0 : 1;
}
