// Command-line parsing for kv7700-sim; the help text documents every option.
#include "sim_options.h"

#include <QCommandLineParser>

namespace kv::sim {
namespace {

const char* const kDescription =
    "Simulated KV-7700 radio. Opens a pseudo-terminal and prints its path on the first line of\n"
    "standard output; connect the programming software to that path (or to the COM<n> number\n"
    "you map to it in the [ports] section of language/mysetup.ini). The radio answers the\n"
    "handshake, identification, block read, block write and end requests from its memory image.\n"
    "Fault options take request numbers: 1 is the first request the radio accepts, counted over\n"
    "its whole life, retransmissions included; give a list as 3,7,12 or repeat the option.\n"
    "Exits on SIGINT or SIGTERM, and when the program has closed the line and not reopened it\n"
    "within the linger time.";

bool ParseNumberList(const QStringList& values, std::set<int>& out) {
    for (const QString& value : values)
        for (const QString& item : value.split(',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = item.trimmed().toInt(&ok);
            if (!ok || n < 1) return false;
            out.insert(n);
        }
    return true;
}

bool ParseInt(const QString& text, int min, int& out) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < min) return false;
    out = n;
    return true;
}

}  // namespace

ParsedOptions ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption device(
        "device", "Serve this serial device instead of opening a pseudo-terminal.", "path");
    const QCommandLineOption image(
        "image",
        "Load the memory image from this raw file of 139777 (0x22201) bytes. "
        "Without it the image starts as zeros.",
        "file");
    const QCommandLineOption save(
        "save",
        "Write the image back to the --image file after each END request and on exit "
        "(the file is created when it does not exist).");
    const QCommandLineOption model("model", "Model identifier reported (default TALVEN5).", "text",
                                   "TALVEN5");
    const QCommandLineOption option("option-byte", "Option byte reported, 0 to 255 (default 1).",
                                    "n", "1");
    const QCommandLineOption firmware(
        "firmware", "Firmware version reported, four characters (default V100).", "text", "V100");
    const QCommandLineOption log("log",
                                 "Log every frame received (rx) and sent (tx) with its request "
                                 "number, in hexadecimal; '-' logs to standard error.",
                                 "file");
    const QCommandLineOption timing(
        "timing",
        "Write a line for every request, 'rq N T', and every reply, 'rp N T': T is when the "
        "request's first byte was read, or when the reply's last byte was written, in "
        "microseconds of the system's monotonic clock. The time from one reply's 'rp' to the "
        "next request's 'rq' is the program's turnaround, pseudo-terminal included.",
        "file");
    const QCommandLineOption drop("drop-reply", "Send no reply to request N.", "N");
    const QCommandLineOption corrupt(
        "corrupt-checksum",
        "Reply to request N with its checksum off by one (a data frame), or its last byte "
        "changed (other replies).",
        "N");
    const QCommandLineOption wrongAddress(
        "wrong-address", "Answer read request N with the previous block's address.", "N");
    const QCommandLineOption shortReply("short-reply",
                                        "Reply to request N without the reply's last byte.", "N");
    const QCommandLineOption loseWrite(
        "lose-write", "Acknowledge request N (a data frame) but do not store its block.", "N");
    const QCommandLineOption silent("silent-after", "Answer the first N requests, then none.", "N");
    const QCommandLineOption delay("delay", "Wait this many milliseconds before every reply.", "ms",
                                   "0");
    const QCommandLineOption baud(
        "baud",
        "Emulate a serial line at this baud rate, 10 bits a byte: a request is answered only "
        "when it would have fully arrived, and replies leave at that pace. 0 (default): none.",
        "rate", "0");
    const QCommandLineOption linger(
        "linger",
        "Milliseconds to wait for the program to reopen the line after it closed it, before "
        "exiting (default 1000); 'forever' keeps serving.",
        "ms", "1000");
    parser.addOptions({help, device, image, save, model, option, firmware, log, timing, drop,
                       corrupt, wrongAddress, shortReply, loseWrite, silent, delay, baud, linger});

    ParsedOptions result;
    result.helpText = parser.helpText().toStdString();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText().toStdString();
        return result;
    }
    if (parser.isSet(help)) {
        result.help = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = "unexpected argument: " + parser.positionalArguments().first().toStdString();
        return result;
    }

    Options& o = result.options;
    o.devicePath = parser.value(device).toStdString();
    o.imageFile = parser.value(image).toStdString();
    o.save = parser.isSet(save);
    if (o.save && o.imageFile.empty()) {
        result.error = "--save needs --image";
        return result;
    }
    o.logFile = parser.value(log).toStdString();
    o.timingFile = parser.value(timing).toStdString();
    o.identity.model = parser.value(model).toStdString();
    o.identity.firmware = parser.value(firmware).toStdString();

    int optionByte = 0;
    const struct {
        const char* name;
        bool ok;
    } checks[] = {
        {"option-byte", ParseInt(parser.value(option), 0, optionByte) && optionByte <= 255},
        {"drop-reply", ParseNumberList(parser.values(drop), o.faults.dropReply)},
        {"corrupt-checksum", ParseNumberList(parser.values(corrupt), o.faults.corruptChecksum)},
        {"wrong-address", ParseNumberList(parser.values(wrongAddress), o.faults.wrongAddress)},
        {"short-reply", ParseNumberList(parser.values(shortReply), o.faults.shortReply)},
        {"lose-write", ParseNumberList(parser.values(loseWrite), o.faults.loseWrite)},
        {"silent-after",
         !parser.isSet(silent) || ParseInt(parser.value(silent), 0, o.faults.silentAfter)},
        {"firmware", o.identity.firmware.size() == 4},
        {"delay", ParseInt(parser.value(delay), 0, o.delayMs)},
        {"baud", ParseInt(parser.value(baud), 0, o.baud)},
        {"linger", parser.value(linger) == "forever"
                       ? (o.lingerMs = -1, true)
                       : ParseInt(parser.value(linger), 0, o.lingerMs)},
    };
    for (const auto& check : checks)
        if (!check.ok) {
            result.error = std::string("invalid value for --") + check.name + " (see --help)";
            return result;
        }
    o.identity.optionByte = static_cast<std::uint8_t>(optionByte);
    return result;
}

}  // namespace kv::sim
