#include "ui/app/monkey_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QStyleHints>
#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "platform/paths.h"

#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MONKEY_UNDER_ASAN
#endif
#endif
#if defined(MONKEY_UNDER_ASAN)
#include <sanitizer/common_interface_defs.h>
#endif

namespace stapelwerk::monkey {

std::string textFault(std::string_view bytes) {
    const auto at = [](std::size_t offset, const std::string& what) {
        return what + " at byte " + std::to_string(offset);
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 == bytes.size() || bytes[i + 1] != '\n') return at(i, "CR without LF");
        } else if (byte == '\n') {
            if (i == 0 || bytes[i - 1] != '\r') return at(i, "LF without CR");
        } else if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return at(i, "control character " + std::to_string(byte));
        } else if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            return at(i, "a byte that Windows-1252 leaves undefined");
        }
    }
    if (!bytes.empty() && !bytes.ends_with("\r\n")) return "the last line has no CR LF";
    return {};
}

namespace {
// What the program writes: doit.pro with its job record, config.pro with its copy, and the
// value list.
constexpr std::string_view kProgramFiles[] = {"doit.pro", "doit.stapel", "config.pro",
                                              "config.pro.bak", "Lindwurm_param.txt"};
}  // namespace

bool isProgramFile(const std::string& name) {
    return std::find(std::begin(kProgramFiles), std::end(kProgramFiles), name) !=
           std::end(kProgramFiles);
}

namespace {
std::optional<Stamp> stampOf(const fs::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return std::nullopt;
    return Stamp{status.st_ino, status.st_size,
                 status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec,
                 S_ISDIR(status.st_mode)};
}
}  // namespace

bool landsIn(const fs::path& root, std::string path) {
    if (const std::size_t nul = path.find('\0'); nul != std::string::npos) path.resize(nul);
    if (path.empty()) return true;
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(toPath(path), error), error);
    if (error) return false;
    const fs::path relative = resolved.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

Sandbox::Sandbox() {
    for (const fs::path& directory :
         {cadStart, program, work / "unter", stick, sentinel / "unter"}) {
        fs::create_directories(directory);
    }
    // Names the program refuses lie one level down, so that a list of the work directory
    // can be built into a doit.pro.
    for (const char* name :
         {"welle.drw", "welle.drw.2", "flansch.prt.3", "Getriebe Ä.asm", "unter/back`tick.drw",
          "unter/Ω😀.prt", "unter/latin1-\xE4.drw", "unter/nabe.drw.7"}) {
        testing::writeBytes((work / name).string(), "x\r\n");
    }
    testing::writeBytes((stick / "stick.drw").string(), "x\r\n");
    for (const char* name :
         {"doit.pro", "config.pro", "Lindwurm_param.txt", "geheim.drw", "unter/tief.prt"}) {
        testing::writeBytes((sentinel / name).string(), "draussen\r\n");
    }
    fs::create_directory_symlink(sentinel, work / "nach-draussen");
    canonicalRoot_ = fs::canonical(root);
    canonicalSentinel_ = fs::canonical(sentinel);
}

std::map<fs::path, Stamp> Sandbox::entries() const {
    std::map<fs::path, Stamp> found;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(root, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const std::optional<Stamp> stamp = stampOf(entry->path()))
            found[entry->path()] = *stamp;
    }
    return found;
}

std::map<std::string, std::string> Sandbox::outside(const std::vector<fs::path>& places) const {
    std::map<std::string, std::string> state;
    const auto stamp = [&state](const fs::path& path) {
        const std::optional<Stamp> found = stampOf(path);
        state[path.string()] = found ? std::to_string(found->inode) + " " +
                                           std::to_string(found->size) + " " +
                                           std::to_string(found->modified)
                                     : "missing";
    };
    stamp(sentinel);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sentinel)) {
        stamp(entry.path());
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(parent)) {
        state[entry.path().string()] += "there";
    }
    for (const fs::path& place : places) {
        for (const std::string_view name : kProgramFiles) stamp(place / name);
    }
    return state;
}

namespace {
// Plain buffers, which a crash handler can still read.
constexpr std::size_t kKept = 40;
constexpr std::size_t kLength = 300;
std::array<std::array<char, kLength>, kKept> kept{};
std::size_t remembered = 0;
std::array<char, 100> crashTitle{};

template <typename Write>
void eachRecent(Write write) {
    for (std::size_t i = remembered > kKept ? remembered - kKept : 0; i < remembered; ++i) {
        write(kept[i % kKept].data());
    }
}

void printRecentActions() {
    const auto put = [](const char* text) {
        if (::write(STDERR_FILENO, text, std::strlen(text)) < 0) return;
    };
    put(crashTitle.data());
    eachRecent(put);
}

#if !defined(MONKEY_UNDER_ASAN)
constexpr int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

void crashed(int signal) {
    printRecentActions();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

QStyleHints* hints() { return QApplication::styleHints(); }
}  // namespace

void remember(const std::string& action) {
    std::array<char, kLength>& slot = kept[remembered++ % kKept];
    const std::size_t length = std::min(action.size(), kLength - 2);
    std::memcpy(slot.data(), action.data(), length);
    slot[length] = '\n';
    slot[length + 1] = '\0';
}

std::string recentActions() {
    std::string all;
    eachRecent([&all](const char* line) { all += line; });
    return all;
}

CrashReport::CrashReport(std::uint32_t seed) {
    std::snprintf(crashTitle.data(), crashTitle.size(),
                  "\nMonkey, seed %u: the last actions before the crash:\n", seed);
#if defined(MONKEY_UNDER_ASAN)
    __sanitizer_set_death_callback(&printRecentActions);
#else
    for (const int signal : kCrashSignals) std::signal(signal, &crashed);
#endif
}

CrashReport::~CrashReport() {
#if defined(MONKEY_UNDER_ASAN)
    __sanitizer_set_death_callback(nullptr);
#else
    for (const int signal : kCrashSignals) std::signal(signal, SIG_DFL);
#endif
}

ShortIntervals::ShortIntervals()
    : doubleClick_(hints()->mouseDoubleClickInterval()),
      keyboardInput_(hints()->keyboardInputInterval()),
      effects_(QApplication::isEffectEnabled(Qt::UI_General)) {
    hints()->setMouseDoubleClickInterval(1);
    hints()->setKeyboardInputInterval(0);
    QApplication::setEffectEnabled(Qt::UI_General, false);
}

ShortIntervals::~ShortIntervals() {
    hints()->setMouseDoubleClickInterval(doubleClick_);
    hints()->setKeyboardInputInterval(keyboardInput_);
    QApplication::setEffectEnabled(Qt::UI_General, effects_);
}

}  // namespace stapelwerk::monkey
