#include "sim/Options.h"

#include <charconv>
#include <functional>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>

#include "sim/Pacing.h"

namespace radio::sim {

namespace {

std::optional<long long> parseNumber(const std::string& text, long long min) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < min) {
        return std::nullopt;
    }
    return value;
}

// Splits "name=N" into its name and block number; a bare name has no number.
struct FaultSpec {
    std::string name;
    std::optional<std::string> number;
};

FaultSpec splitFault(const std::string& fault) {
    const auto equals = fault.find('=');
    if (equals == std::string::npos) {
        return {fault, std::nullopt};
    }
    return {fault.substr(0, equals), fault.substr(equals + 1)};
}

Status<> applyBlockFault(const FaultSpec& spec, int Faults::*field, Faults& faults) {
    const auto block = spec.number ? parseNumber(*spec.number, 1) : std::nullopt;
    if (!block || *block > 100000) {
        return Status<>::failure("--fault " + spec.name + " needs a block number: " + spec.name +
                                 "=N with N from 1");
    }
    faults.*field = static_cast<int>(*block);
    return {};
}

Status<> applyFlagFault(const FaultSpec& spec, bool Faults::*field, Faults& faults) {
    if (spec.number) {
        return Status<>::failure("--fault " + spec.name + " takes no block number");
    }
    faults.*field = true;
    return {};
}

// Splits "--name=value" into name and value; other arguments have no inline value.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& argument) {
    const auto equals = argument.find('=');
    if (argument.rfind("--", 0) != 0 || equals == std::string::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

using ValueSetter = std::function<Status<>(Options&, const std::string&)>;

Status<> setSeed(Options& options, const std::string& value) {
    const auto seed = parseNumber(value, 0);
    if (!seed || *seed > 0xFFFFFFFFLL) {
        return Status<>::failure("--seed needs a number from 0 to 4294967295");
    }
    options.noiseSeed = static_cast<std::uint32_t>(*seed);
    return {};
}

ValueSetter milliseconds(int Options::*field, const char* name) {
    return [field, name](Options& options, const std::string& value) {
        const auto number = parseNumber(value, 0);
        if (!number || *number > 60000) {
            return Status<>::failure(std::string(name) + " needs milliseconds from 0 to 60000");
        }
        options.*field = static_cast<int>(*number);
        return Status<>{};
    };
}

ValueSetter store(std::string Options::*field) {
    return [field](Options& options, const std::string& value) {
        options.*field = value;
        return Status<>{};
    };
}

Status<> addFault(Options& options, const std::string& value) {
    return applyFault(value, options.faults);
}

const std::map<std::string, ValueSetter>& valueOptions() {
    static const std::map<std::string, ValueSetter> options = {
        {"--image", store(&Options::imagePath)},
        {"--save", store(&Options::savePath)},
        {"--link", store(&Options::linkPath)},
        {"--log", store(&Options::logPath)},
        {"--fault", addFault},
        {"--seed", setSeed},
        {"--latency", milliseconds(&Options::latencyMs, "--latency")},
        {"--restart-ms", milliseconds(&Options::restartMs, "--restart-ms")},
    };
    return options;
}

}  // namespace

Status<> applyFault(const std::string& fault, Faults& faults) {
    const FaultSpec spec = splitFault(fault);
    if (spec.name == "silent") {
        return applyFlagFault(spec, &Faults::silent, faults);
    }
    if (spec.name == "quiet-wake-up") {
        return applyFlagFault(spec, &Faults::quietWakeUp, faults);
    }
    if (spec.name == "no-final-ack") {
        return applyFlagFault(spec, &Faults::noFinalAck, faults);
    }
    if (spec.name == "noise") {
        return applyFlagFault(spec, &Faults::noise, faults);
    }
    if (spec.name == "wrong-ack") {
        return spec.number ? applyBlockFault(spec, &Faults::wrongAckAtBlock, faults)
                           : applyFlagFault(spec, &Faults::wrongHandshakeAck, faults);
    }
    if (spec.name == "short-data") {
        return applyBlockFault(spec, &Faults::shortDataAtBlock, faults);
    }
    if (spec.name == "stop-at") {
        return applyBlockFault(spec, &Faults::stopAtBlock, faults);
    }
    if (spec.name == "lose") {
        return applyBlockFault(spec, &Faults::loseAtBlock, faults);
    }
    return Status<>::failure("unknown fault '" + fault + "' (see --help)");
}

Result<Options> parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        auto [name, value] = splitOption(arguments[i]);
        if (!value && (name == "--help" || name == "-h")) {
            options.help = true;
            continue;
        }
        if (!value && name == "--version") {
            options.version = true;
            continue;
        }
        if (!value && name == "--fast") {
            options.fast = true;
            continue;
        }
        const auto setter = valueOptions().find(name);
        if (setter == valueOptions().end()) {
            return Result<Options>::failure("unknown argument '" + arguments[i] + "' (see --help)");
        }
        if (!value && i + 1 == arguments.size()) {
            return Result<Options>::failure(name + " needs a value");
        }
        const Status<> applied = setter->second(options, value ? *value : arguments[++i]);
        if (!applied) {
            return Result<Options>::failure(applied.error());
        }
    }
    return options;
}

std::string usageText() {
    std::ostringstream text;
    text << "Usage: radioprog-sim [options]\n"
            "A simulated radio on a pseudo-terminal. The first line printed is the device to\n"
            "open (9600 baud 8N1). Any number of programming sessions may follow one another.\n"
            "\n"
            "  --image FILE    start from this .dat file (default: a new-document image with\n"
            "                  radio type 0 and band 0)\n"
            "  --save FILE     write the memory to FILE when the simulator ends (also on\n"
            "                  SIGINT, SIGTERM and SIGHUP)\n"
            "  --link PATH     make PATH a symbolic link to the device, removed at the end\n"
            "  --log FILE      write a line for every command received; '-' is stderr\n"
            "  --fast          answer at once instead of at the pace of the line\n"
            "  --latency MS    wait MS more before every answer, as USB adapters do (an\n"
            "                  FTDI chip's latency timer is 16 ms)\n"
            "  --restart-ms MS restart after the last block of a write: ignore everything\n"
            "                  for MS, then answer handshakes again, as many radios do\n"
            "  --fault F       misbehave; may be given more than once:\n"
            "                    silent         never answer\n"
            "                    quiet-wake-up  no answer to the wake-up string\n"
            "                    no-final-ack   no answer to the acknowledge ending the handshake\n"
            "                    wrong-ack      answer that acknowledge with 0x15\n"
            "                    wrong-ack=N    answer block N's acknowledge with 0x15\n"
            "                    short-data=N   send one data byte too few for read block N\n"
            "                    stop-at=N      stop answering at block N\n"
            "                    lose=N         acknowledge write block N without storing it\n"
            "                    noise          send 1 to 3 random bytes before every answer\n"
            "                  blocks are the R/W commands after a wake-up, counted from 1\n"
            "  --seed N        seed of the noise bytes (default 1)\n"
            "  --help          show this text\n"
            "  --version       show the name and version\n"
            "\n"
            "Pacing (without --fast): 10 bits per byte at 9600 baud, "
         << std::fixed << std::setprecision(4)
         << std::chrono::duration<double, std::milli>(kByteTime).count()
         << " ms per byte in both\n"
            "directions. A command counts as received once its last byte's wire time has\n"
            "passed; the answer starts a turnaround of "
         << std::setprecision(1) << std::chrono::duration<double, std::milli>(kTurnaround).count()
         << " ms later and is handed over whole at\n"
            "the end of its last byte's wire time, as a USB adapter does. A command left\n"
            "incomplete for "
         << std::chrono::milliseconds(kIdleGap).count() << " ms is dropped.\n";
    return text.str();
}

}  // namespace radio::sim
