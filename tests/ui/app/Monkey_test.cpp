// A monkey on the real main window: random clicks, typing, keys, clipboard contents and
// dialogs from a fixed seed. After every action the files the program wrote must be
// Windows-1252 text with CR LF line ends, and nothing outside the run's sandbox may have
// changed. MONKEY_ACTIONS sets the number of actions (2,000 unless set), MONKEY_SEED the
// seed, MONKEY_TRACE=1 prints every action; scripts/monkey.sh runs it under the sanitizers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "cadconfig/auto_mapkey.h"
#include "core/job.h"
#include "core/job_record.h"
#include "generate/doit_writer.h"
#include "support/FakePlatform.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"
#include "ui/app/MainWindow.h"
#include "ui/app/monkey_support.h"
#include "ui/worklist/DirectoryList.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using monkey::CrashReport;
using monkey::isProgramFile;
using monkey::recentActions;
using monkey::remember;
using monkey::Sandbox;
using monkey::ShortIntervals;
using monkey::Stamp;
using monkey::textFault;

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoul(text, nullptr, 10) : fallback;
}

// Pieces that random text is made of.
const char* const kWordPieces[] = {
    "welle", "flansch", "a",    "x1",     "0815", " ",          "  ", ".", ".drw",    ".prt",
    ".asm",  ".2",      "Name", "mapkey", ";%",   "+;%bb;%00;", "_",  "-", "MATERIAL"};
const char* const kPathPieces[] = {
    "/",    "\\",   "..",    "../",           "~", "C:", "C:\\temp\\",
    "/etc", "/tmp", "unter", "nach-draussen", "*", "?",  "*.prt*"};
const char* const kEuropean[] = {"ä", "ö", "ü", "ß", "Ä", "Ö", "Ü", "€", "Œ", "Ÿ", "é", "µ"};
const char* const kBreaking[] = {"`", "\r", "\n", "\r\n", "\t"};
const char* const kOutsideWindows1252[] = {"Ω", "😀", "中", "Ā", "\u200e", "\u2028"};

class Monkey : public ::testing::Test {
protected:
    Monkey()
        : actions_(fromEnvironment("MONKEY_ACTIONS", 2000)),
          seed_(static_cast<std::uint32_t>(fromEnvironment("MONKEY_SEED", 20261207))),
          random_(seed_) {
        previousDirectory_ = fs::current_path();
        fs::current_path(sandbox_.work);
        for (const fs::path& place : {fs::path("/"), fs::temp_directory_path(), previousDirectory_,
                                      fs::path(realHome_), sandbox_.parent.parent_path()}) {
            if (!place.empty()) watchedPlaces_.push_back(place);
        }
        platform_.programDir = sandbox_.program.string();
        platform_.currentDir = sandbox_.work.string();
        platform_.driveRoots = {sandbox_.root.string(), sandbox_.stick.string(),
                                (sandbox_.root / "laufwerk-e").string()};
        startProgram();
        fence();
        outside_ = sandbox_.outside(watchedPlaces_);
        files_ = sandbox_.entries();
    }

    ~Monkey() override {
        window_.reset();
        QGuiApplication::clipboard()->clear();
        std::error_code ignored;
        fs::current_path(previousDirectory_, ignored);
    }

    // One kind of action, how often it comes, and what it does.
    struct Action {
        const char* name;
        int weight;
        void (Monkey::*run)();
    };
    static const Action kActions[];

    void run();

    // The actions.
    void clickControl(Qt::MouseButton button, bool twice);
    void leftClick() { clickControl(Qt::LeftButton, false); }
    void rightClick() { clickControl(Qt::RightButton, false); }
    void doubleClick() { clickControl(Qt::LeftButton, true); }
    void clickItem();
    void typeText();
    void pressKey();
    void fillClipboard();
    void answerQuestions();
    void walkRoad();
    void closeWindow();
    void letTimePass();
    void hover();
    void resizeWindow();

    // The event loop's turn between two actions; the program starts again once its main
    // window was closed.
    void settle();
    void turnEventLoop();
    void startProgram();
    void fence();
    void check();
    void checkFiles();

    std::vector<QWidget*> openWindows() const;
    std::vector<QWidget*> controlsOf(QWidget* window) const;
    QWidget* randomControl();
    QWidget* controlNamed(const char* name) const;
    QWidget* focusedControl() const;
    QWidget* randomTextField();
    std::optional<QPoint> randomPointIn(QWidget* control);
    void mouseAt(QWidget* window, QPoint at, Qt::MouseButton button, bool twice);
    void typeKeys(QWidget* target, const QString& text);
    QModelIndex randomIndex(QAbstractItemView* view);
    std::string randomText();
    // Clipboard contents.
    std::string noText() { return {}; }
    std::string names();
    std::string binaryBytes();
    std::string namesWithNul();
    std::string namesWithInvalidUtf8();
    std::string hundredThousandLines();
    std::string tenMegabyteLine();

    std::size_t below(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(N)];
    }
    template <typename T>
    T pick(std::span<T> items) {
        return items[below(items.size())];
    }
    template <typename T>
    T pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }
    // An entry of a table of entries with a weight each, as often as its weight says.
    template <typename Entry, std::size_t N>
    const Entry& pickWeighted(const Entry (&entries)[N]) {
        int total = 0;
        for (const Entry& entry : entries) total += entry.weight;
        int roll = static_cast<int>(below(static_cast<std::size_t>(total)));
        const Entry* entry = entries;
        while (roll >= entry->weight) roll -= (entry++)->weight;
        return *entry;
    }
    void note(const std::string& text) {
        const std::string line = "#" + std::to_string(step_) + " " + text;
        remember(line);
        if (trace_) std::cerr << line << std::endl;
    }

    const std::string realHome_ = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    Sandbox sandbox_;
    testing::ScopedHome home_{sandbox_.home.string()};
    fs::path previousDirectory_;
    std::vector<fs::path> watchedPlaces_;
    testing::FakePlatform platform_;
    std::unique_ptr<Job> job_;
    std::unique_ptr<MainWindow> window_;

    const std::size_t actions_;
    const bool trace_ = fromEnvironment("MONKEY_TRACE", 0) != 0;
    const std::uint32_t seed_;
    std::mt19937 random_;
    std::size_t step_ = 0;
    std::vector<QPointer<QTimer>> heldTimers_;
    std::map<std::string, std::string> outside_;
    std::map<fs::path, Stamp> files_;
    std::map<std::string, int> written_;
    std::set<std::string> windowsSeen_;
    std::map<std::string, int> taken_;
    int fenced_ = 0;
    int restarts_ = 0;
};

const Monkey::Action Monkey::kActions[] = {
    {"left click", 30, &Monkey::leftClick},
    {"right click", 7, &Monkey::rightClick},
    {"double click", 6, &Monkey::doubleClick},
    {"click an item", 14, &Monkey::clickItem},
    {"type", 14, &Monkey::typeText},
    {"press a key", 12, &Monkey::pressKey},
    {"fill the clipboard", 5, &Monkey::fillClipboard},
    {"answer questions", 1, &Monkey::answerQuestions},
    {"walk a road", 10, &Monkey::walkRoad},
    {"close a window", 4, &Monkey::closeWindow},
    {"let time pass", 1, &Monkey::letTimePass},
    {"hover", 3, &Monkey::hover},
    {"resize a window", 1, &Monkey::resizeWindow},
};

std::string describe(const QWidget* widget) {
    const auto nameOf = [](const QWidget* w) {
        return w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                         : w->objectName().toStdString();
    };
    const QWidget* window = widget->window();
    std::string text = nameOf(window);
    if (widget == window) return text;
    if (widget->parentWidget() != window) text += "/" + nameOf(widget->parentWidget());
    return text + "/" + nameOf(widget);
}

// A text as the log shows it: short, its line breaks and controls made visible.
std::string shown(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < 60; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\x" + std::to_string(byte);
        } else {
            out += text[i];
        }
    }
    out += "\"";
    if (text.size() > 60) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

void Monkey::run() {
    for (step_ = 1; step_ <= actions_; ++step_) {
        const Action& action = pickWeighted(kActions);
        ++taken_[action.name];
        (this->*action.run)();
        settle();
        check();
        if (HasFailure()) {
            ADD_FAILURE() << "Replay with MONKEY_SEED=" << seed_ << " MONKEY_ACTIONS=" << step_
                          << "; the last actions:\n"
                          << recentActions();
            return;
        }
    }
}

TEST_F(Monkey, RandomActionsWriteOnlyTextAndStayInTheSandbox) {
    std::cout << "Monkey: seed " << seed_ << ", " << actions_
              << " actions (MONKEY_SEED, MONKEY_ACTIONS)" << std::endl;
    const CrashReport crashReport(seed_);
    const ShortIntervals shortIntervals;
    // A zero timer runs whenever events are handled, also in an event loop that an action
    // opened. A menu may wait there for its choice (the user dismisses it); anything else
    // waiting there, a modal window above all, would block the user: that fails, and the
    // loop is ended so that the run can go on.
    QTimer watchdog;
    watchdog.setInterval(0);
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        if (QThread::currentThread()->loopLevel() == 0) return;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            note("the menu " + describe(popup) + " is dismissed");
            popup->close();
            return;
        }
        ADD_FAILURE() << "an action waits in an event loop of its own";
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    watchdog.start();

    run();

    if (!HasFailure()) {
        step_ = actions_ + 1;
        note("the user leaves");
        window_->close();
        turnEventLoop();
        check();
    }
    std::cout << "Monkey: written doit.pro " << written_["doit.pro"] << ", config.pro "
              << written_["config.pro"] << ", value list " << written_["Lindwurm_param.txt"]
              << " times; " << platform_.messages.size() << " messages; output directory put back "
              << fenced_ << " times; program started again " << restarts_ << " times; windows:";
    for (const std::string& window : windowsSeen_) std::cout << " " << window;
    std::cout << "; actions:";
    const char* separator = " ";
    for (const auto& [name, count] : taken_) {
        std::cout << separator << name << " " << count;
        separator = ", ";
    }
    std::cout << std::endl;
}

// ---- Actions

void Monkey::clickControl(Qt::MouseButton button, bool twice) {
    QWidget* control = randomControl();
    const std::optional<QPoint> at = randomPointIn(control);
    const std::string what = std::string(twice ? "double click" : "click") +
                             (button == Qt::RightButton ? " right " : " ") + describe(control);
    if (!at) return note(what + ": nothing of it in sight");
    note(what + " at " + std::to_string(at->x()) + "," + std::to_string(at->y()));
    mouseAt(control->window(), *at, button, twice);
}

void Monkey::clickItem() {
    std::vector<QAbstractItemView*> views;
    for (QWidget* window : openWindows()) {
        for (QWidget* control : controlsOf(window)) {
            if (auto* view = qobject_cast<QAbstractItemView*>(control)) views.push_back(view);
        }
    }
    if (views.empty()) return note("click an item: no list in sight");
    QAbstractItemView* view = pick(views);
    const QModelIndex index = randomIndex(view);
    if (!index.isValid()) return note("click an item of " + describe(view) + ": none there");
    view->scrollTo(index);
    const QRect rect = view->visualRect(index) & view->viewport()->rect();
    if (rect.isEmpty()) return note("click an item of " + describe(view) + ": out of sight");
    const std::size_t way = below(10);
    const Qt::MouseButton button = way < 2 ? Qt::RightButton : Qt::LeftButton;
    const bool twice = way >= 8;
    note(std::string(twice ? "double click" : "click") + (way < 2 ? " right" : "") + " item " +
         std::to_string(index.row()) + " " + shown(index.data().toString().toStdString()) + " of " +
         describe(view));
    mouseAt(view->window(), view->viewport()->mapTo(view->window(), rect.center()), button, twice);
}

QWidget* Monkey::randomTextField() {
    std::vector<QWidget*> fields;
    for (QWidget* window : openWindows()) {
        for (QWidget* control : controlsOf(window)) {
            if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control)) {
                fields.push_back(control);
            }
        }
    }
    return fields.empty() ? nullptr : pick(fields);
}

void Monkey::typeText() {
    QWidget* target = chance(50) ? focusedControl() : nullptr;
    // Typed into a list or a drop-down list, text is searched for, joined to what was typed
    // there less than a moment before: the time between keys would make a seed's runs differ.
    if (qobject_cast<QAbstractItemView*>(target) || qobject_cast<QComboBox*>(target)) {
        target = nullptr;
    }
    if (target == nullptr) target = randomTextField();
    if (target == nullptr) return note("type: no field");
    const std::string text = randomText();
    // An input method hands over whole texts, line breaks included; a keyboard one key at
    // a time.
    const bool inputMethod = chance(25) || text.size() > 200;
    note(std::string(inputMethod ? "commit " : "type ") + shown(text) + " into " +
         describe(target));
    if (inputMethod) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromStdString(text));
        QApplication::sendEvent(target, &event);
    } else {
        typeKeys(target, QString::fromStdString(text));
    }
}

void Monkey::pressKey() {
    static const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    } kKeys[] = {
        {"Return", Qt::Key_Return, {}, "\r"},
        {"Enter", Qt::Key_Enter, {}, "\r"},
        {"Escape", Qt::Key_Escape, {}, "\x1b"},
        {"Tab", Qt::Key_Tab, {}, "\t"},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
        {"Space", Qt::Key_Space, {}, " "},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16"},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01"},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03"},
        {"Menu", Qt::Key_Menu, {}, ""},
        {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier, ""},
        {"Up", Qt::Key_Up, {}, ""},
        {"Down", Qt::Key_Down, {}, ""},
        {"Delete", Qt::Key_Delete, {}, "\x7f"},
        {"Backspace", Qt::Key_Backspace, {}, "\b"},
        {"F3", Qt::Key_F3, {}, ""},
        {"F4", Qt::Key_F4, {}, ""},
        {"Alt+", Qt::Key_A, Qt::AltModifier, ""},  // a mnemonic of the program
    };
    const auto& key = pick(kKeys);
    std::string name = key.name;
    Qt::Key code = key.key;
    QString text = QString::fromLatin1(key.text);
    if (key.modifiers == Qt::AltModifier) {
        static const char kMnemonics[] = "AELMSUVW";
        const char letter = kMnemonics[below(sizeof kMnemonics - 1)];
        name += letter;
        code = static_cast<Qt::Key>(letter);
        text = QChar(letter).toLower();
    }
    QWidget* target = chance(70) ? focusedControl() : nullptr;
    if (target == nullptr && chance(50)) target = randomTextField();
    if (target == nullptr) target = pick(openWindows());
    note("press " + name + " on " + describe(target));
    QPointer<QWidget> alive(target);
    QTest::sendKeyEvent(QTest::Click, target, code, text, key.modifiers);
    if (code == Qt::Key_Menu && alive) {
        // The window system follows the menu key with a request for a context menu.
        QContextMenuEvent request(QContextMenuEvent::Keyboard, alive->rect().center(),
                                  alive->mapToGlobal(alive->rect().center()));
        QApplication::sendEvent(alive, &request);
    }
}

void Monkey::fillClipboard() {
    // The big ones are rare, so that a run stays within a minute or two.
    static const struct {
        const char* name;
        int weight;
        std::string (Monkey::*make)();
    } kContents[] = {
        {"empty", 6, &Monkey::noText},
        {"names", 32, &Monkey::names},
        {"binary", 8, &Monkey::binaryBytes},
        {"names with NUL bytes", 6, &Monkey::namesWithNul},
        {"names with invalid UTF-8", 8, &Monkey::namesWithInvalidUtf8},
        {"100,000 lines", 1, &Monkey::hundredThousandLines},
        {"one line of 10 MB", 1, &Monkey::tenMegabyteLine},
    };
    const auto& content = pickWeighted(kContents);
    platform_.clipboard = (this->*content.make)();
    // The text fields paste from the toolkit's clipboard.
    QGuiApplication::clipboard()->setText(QString::fromStdString(platform_.clipboard));
    note(std::string("clipboard: ") + content.name + " " + shown(platform_.clipboard));
}

void Monkey::answerQuestions() {
    std::string answers;
    for (std::size_t n = 1 + below(3); n > 0; --n) {
        platform_.answers.push_back(chance(50));
        answers += platform_.answers.back() ? " yes" : " no";
    }
    note("the next questions are answered" + answers);
}

// The steps that lead to a dialog or a file: names of controls to click, "right" for the
// right button, or a key to press on them; a control that is not in sight is left out. Most roads
// lead through the work list (shown, pasted into and confirmed) to the functions. After the
// files picture the work list's ok button lies under the bottom bar, so the list is
// confirmed with Return.
void Monkey::walkRoad() {
    static const std::vector<const char*> kToFunctions = {"img_files", "right List_File1",
                                                          "cmd_paste", "Return List_File1"};
    static const struct {
        const char* name;
        bool throughFunctions;
        std::vector<const char*> steps;
    } kRoads[] = {
        {"info", false, {"Image1"}},
        {"output directory", false, {"Label7", "cmd_ok"}},
        {"the mapkey auto", false, {"Label7", "cmd_ok", "cmd_auto"}},
        {"file browser", false, {"img_files", "right List_File1", "filebrowser", "cmd_okfiles"}},
        {"mapkey chain", true, {"cmd_mapkey"}},
        {"parameter list", true, {"cmd_param"}},
        {"parameter deletion", true, {"cmd_ploesch"}},
        {"preview", true, {"cmd_SaveAs", "cmd_preview"}},
        {"write doit.pro", true, {"cmd_SaveAs", "Label7", "cmd_ok", "cmd_fcreate"}},
        {"save the value list", true, {"cmd_param", "right list_param", "save"}},
        {"paste the output directory", false, {"txt_pro", "Ctrl+A txt_pro", "Ctrl+V txt_pro"}},
        {"a drive", false, {"Label7", "F4 Drive2"}},
    };
    const auto& road = pick(kRoads);
    note(std::string("walk to ") + road.name);
    std::vector<const char*> steps =
        road.throughFunctions ? kToFunctions : std::vector<const char*>();
    steps.insert(steps.end(), road.steps.begin(), road.steps.end());
    static const std::map<std::string, QKeyCombination> kKeys = {
        {"Return", Qt::Key_Return},
        {"Ctrl+A", Qt::ControlModifier | Qt::Key_A},
        {"Ctrl+V", Qt::ControlModifier | Qt::Key_V},
        {"F4", Qt::Key_F4}};
    for (const std::string step : steps) {
        const std::size_t blank = step.find(' ');
        const std::string how = blank == std::string::npos ? "" : step.substr(0, blank);
        QWidget* control = controlNamed(step.c_str() + (how.empty() ? 0 : blank + 1));
        if (control == nullptr) continue;
        if (const auto key = kKeys.find(how); key != kKeys.end()) {
            note("  " + step);
            QTest::keyClick(control, key->second.key(), key->second.keyboardModifiers());
        } else {
            QWidget* window = control->window();
            const QPoint at = control->mapTo(window, control->rect().center());
            if (!window->rect().contains(at)) {
                note("  " + step + " (out of the window)");
                continue;
            }
            QWidget* hit = window->childAt(at);
            note("  " + step +
                 (hit != nullptr && hit != control && !control->isAncestorOf(hit)
                      ? " (covered by " + describe(hit) + ")"
                      : ""));
            mouseAt(window, at, how == "right" ? Qt::RightButton : Qt::LeftButton, false);
        }
        turnEventLoop();
        fence();  // each step is an action of its own: the next may write
    }
}

void Monkey::closeWindow() {
    const std::vector<QWidget*> windows = openWindows();
    // The main window seldom: closing it ends the program, which then starts again.
    const bool main = chance(5);
    if (!main && windows.size() == 1) return note("close a window: none open but the main one");
    QWidget* window = main ? windows[0] : windows[1 + below(windows.size() - 1)];
    const std::size_t way = below(3);
    QWidget* exit = controlNamed("img_exit");
    if (main && way == 0 && exit != nullptr) {
        note("click the exit picture");
        return mouseAt(window, exit->mapTo(window, exit->rect().center()), Qt::LeftButton, false);
    }
    if (way == 1) {
        note("Escape on " + describe(window));
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus != nullptr && focus->isVisible() ? focus : window, Qt::Key_Escape);
    } else if (QWindow* handle = window->windowHandle()) {
        note("close box of " + describe(window));
        handle->close();
    }
}

void Monkey::letTimePass() {
    note("four seconds pass");
    for (QPointer<QTimer>& timer : heldTimers_) {
        if (timer) timer->start(0);
    }
    const auto waiting = [this] {
        for (const QPointer<QTimer>& timer : heldTimers_) {
            if (timer && timer->isActive()) return true;
        }
        return false;
    };
    for (int turn = 0; turn < 10 && waiting(); ++turn) QCoreApplication::processEvents();
    heldTimers_.clear();
}

void Monkey::hover() {
    QWidget* control = randomControl();
    const std::optional<QPoint> at = randomPointIn(control);
    if (!at) return;
    note("hover over " + describe(control));
    QTest::mouseMove(control->window()->windowHandle(), *at);
}

void Monkey::resizeWindow() {
    QWidget* window = pick(openWindows());
    if (window->windowType() == Qt::Popup) return note("resize: a menu is open");
    const QSize size(static_cast<int>(below(1600)), static_cast<int>(below(1200)));
    note("resize " + describe(window) + " to " + std::to_string(size.width()) + "x" +
         std::to_string(size.height()));
    window->resize(size);
}

// ---- The run's machinery

void Monkey::turnEventLoop() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Monkey::settle() {
    turnEventLoop();
    // A mnemonic holds its button down for a moment before it clicks: the click belongs to
    // the action that pressed the key.
    const auto buttonHeld = [this] {
        for (QWidget* window : openWindows()) {
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (button->isDown()) return true;
            }
        }
        return false;
    };
    if (buttonHeld()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !buttonHeld(); })) << "a button stays down";
        turnEventLoop();
    }
    for (QWidget* window : openWindows()) windowsSeen_.insert(describe(window));
    // The monkey keeps the clock: the completion dialog closes by its timer only when the
    // action "let time pass" says so, not when a slow action took four seconds.
    for (QTimer* timer : window_->findChildren<QTimer*>("Timer1")) {
        if (!timer->isActive()) continue;
        timer->stop();
        heldTimers_.emplace_back(timer);
    }
    if (!window_->isVisible()) {
        note("the main window was closed: the program starts again");
        startProgram();
        ++restarts_;
    }
    fence();
}

void Monkey::startProgram() {
    window_.reset();
    job_ = std::make_unique<Job>();
    window_ = std::make_unique<MainWindow>(platform_, *job_);
    window_->show();
    turnEventLoop();
}

// Typed text or a click on a directory above the sandbox can point the output directory
// anywhere, and CI runs as root, where nothing stops a write to /etc: before the next
// action, an output directory whose files would land outside the sandbox (by an absolute
// path, "..", or the link to the sentinel) is put back into it. The directory lists are put
// back too, so that the run never depends on what the rest of the machine holds.
void Monkey::fence() {
    const std::string directory = job_->outputDirectory;
    if (!sandbox_.holds(doitProPath(directory)) ||
        !sandbox_.holds(configProPath(directory, platform_.programDir))) {
        note("fence: output directory " + shown(directory) + " put back");
        window_->findChild<QLineEdit*>("txt_pro")->setText(
            QString::fromStdString(sandbox_.cadStart.string() + "/"));
        ++fenced_;
    }
    ASSERT_TRUE(sandbox_.holds(doitProPath(job_->outputDirectory))) << job_->outputDirectory;
    for (auto* list : window_->findChildren<DirectoryList*>()) {
        if (sandbox_.holdsOrLeadsToSentinel(list->path().toStdString())) continue;
        note("fence: " + list->objectName().toStdString() + " " +
             shown(list->path().toStdString()) + " put back");
        list->setPath(QString::fromStdString(sandbox_.work.string()));
    }
}

void Monkey::check() {
    checkFiles();
    const std::map<std::string, std::string> outside = sandbox_.outside(watchedPlaces_);
    for (const auto& [path, stamp] : outside) {
        const auto before = outside_.find(path);
        EXPECT_TRUE(before != outside_.end() && before->second == stamp)
            << "outside the sandbox, " << path << " changed: " << stamp;
    }
    for (const auto& [path, stamp] : outside_) {
        EXPECT_TRUE(outside.contains(path)) << "outside the sandbox, " << path << " went";
    }
    outside_ = outside;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window waits";
}

// Every file that changed since the last check: only the program's own files may be
// written, each as Windows-1252 text with CR LF line ends (the job record as one that reads
// back); nothing is removed, and no temporary file stays behind.
void Monkey::checkFiles() {
    std::map<fs::path, Stamp> now = sandbox_.entries();
    for (const auto& [path, stamp] : now) {
        const auto before = files_.find(path);
        if (before != files_.end() && (before->second == stamp || stamp.directory)) continue;
        const std::string name = path.filename().string();
        if (stamp.directory) {
            ADD_FAILURE() << "a directory appeared: " << path;
        } else if (name.starts_with(".stapelwerk-")) {
            ADD_FAILURE() << "a temporary file stayed: " << path;
        } else if (!isProgramFile(name)) {
            ADD_FAILURE() << "a file that is none of the program's was written: " << path;
        } else {
            ++written_[name];
            const std::string bytes = testing::readBytes(path.string());
            if (name == kJobRecordFileName) {
                // UTF-8, where the others are Windows-1252: it must read back.
                const Result<JobRecord> read = parseJobRecord(bytes, path.string());
                EXPECT_TRUE(read.ok()) << read.message();
            } else {
                EXPECT_EQ(textFault(bytes), "") << path;
            }
        }
    }
    for (const auto& [path, stamp] : files_) {
        EXPECT_TRUE(now.contains(path)) << "removed: " << path;
    }
    files_ = std::move(now);
}

// The program's windows that are open, the main window first, then in the order they were
// made: never the order of a hash set, so that a seed replays the same run.
std::vector<QWidget*> Monkey::openWindows() const {
    std::vector<QWidget*> windows{window_.get()};
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (widget->isWindow() && widget->isVisible()) windows.push_back(widget);
    }
    return windows;
}

// The window and every widget in it that is in sight and enabled.
std::vector<QWidget*> Monkey::controlsOf(QWidget* window) const {
    std::vector<QWidget*> controls{window};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled()) {
            controls.push_back(widget);
        }
    }
    return controls;
}

// Any control but the exit picture, which only "close a window" clicks: it ends the program,
// which then starts again, and taken as often as the rest it would keep the monkey at the
// start.
QWidget* Monkey::randomControl() {
    std::vector<QWidget*> controls = controlsOf(pick(openWindows()));
    std::erase_if(controls,
                  [](const QWidget* control) { return control->objectName() == "img_exit"; });
    return pick(controls);
}

QWidget* Monkey::controlNamed(const char* name) const {
    for (QWidget* window : openWindows()) {
        for (QWidget* control : controlsOf(window)) {
            if (control->objectName() == QLatin1String(name)) return control;
        }
    }
    return nullptr;
}

QWidget* Monkey::focusedControl() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !focus->isVisible()) return nullptr;
    for (QWidget* window : openWindows()) {
        if (focus->window() == window) return focus;
    }
    return nullptr;
}

// A point of the control that is in sight, in its window's coordinates.
std::optional<QPoint> Monkey::randomPointIn(QWidget* control) {
    QWidget* window = control->window();
    std::vector<QRect> areas;
    for (const QRect& part : control->visibleRegion()) {
        const QRect area =
            QRect(control->mapTo(window, part.topLeft()), part.size()) & window->rect();
        if (!area.isEmpty()) areas.push_back(area);
    }
    if (areas.empty()) return std::nullopt;
    const QRect area = pick(areas);
    return QPoint(area.left() + static_cast<int>(below(static_cast<std::size_t>(area.width()))),
                  area.top() + static_cast<int>(below(static_cast<std::size_t>(area.height()))));
}

// A click as the window system delivers it: the window comes to the front (popups excepted)
// and whatever lies at the point gets the click.
void Monkey::mouseAt(QWidget* window, QPoint at, Qt::MouseButton button, bool twice) {
    if (!(window->windowType() == Qt::Popup) && !window->isActiveWindow()) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) return;
    if (twice) {
        QTest::mouseDClick(handle, button, {}, at);
    } else {
        QTest::mouseClick(handle, button, {}, at);
    }
}

// One key a character, as a keyboard sends them: line breaks and tabs as their keys.
void Monkey::typeKeys(QWidget* target, const QString& text) {
    QPointer<QWidget> alive(target);
    for (qsizetype i = 0; i < text.size() && alive && alive->isVisible(); ++i) {
        QString character(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size()) character += text[++i];
        Qt::Key key = Qt::Key_unknown;
        if (character == "\r") {
            key = Qt::Key_Return;
        } else if (character == "\n") {
            key = Qt::Key_Enter;
        } else if (character == "\t") {
            key = Qt::Key_Tab;
        } else if (character.size() == 1) {
            key = static_cast<Qt::Key>(character[0].toUpper().unicode());
        }
        QTest::sendKeyEvent(QTest::Click, alive, key, character, Qt::NoModifier);
    }
}

// An item of the list: of a tree any item, leaving out directories outside the sandbox.
QModelIndex Monkey::randomIndex(QAbstractItemView* view) {
    QAbstractItemModel* model = view->model();
    if (model == nullptr) return {};
    if (qobject_cast<QTreeView*>(view) == nullptr) {
        const int rows = model->rowCount(view->rootIndex());
        return rows > 0 ? model->index(static_cast<int>(below(static_cast<std::size_t>(rows))), 0,
                                       view->rootIndex())
                        : QModelIndex();
    }
    const bool directories = qobject_cast<DirectoryList*>(view) != nullptr;
    std::vector<QModelIndex> items;
    const std::function<void(const QModelIndex&)> collect = [&](const QModelIndex& parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            if (!directories || sandbox_.holdsOrLeadsToSentinel(
                                    index.data(Qt::UserRole).toString().toStdString())) {
                items.push_back(index);
            }
            collect(index);
        }
    };
    collect(view->rootIndex());
    return items.empty() ? QModelIndex() : pick(items);
}

std::string Monkey::randomText() {
    static const struct {
        int weight;
        std::span<const char* const> pieces;
    } kKinds[] = {{8, kWordPieces},
                  {2, kPathPieces},
                  {4, kEuropean},
                  {2, kBreaking},
                  {2, kOutsideWindows1252}};
    std::string text;
    const std::size_t pieces = chance(3) ? 400 + below(1600) : 1 + below(12);
    for (std::size_t n = 0; n < pieces; ++n) {
        if (chance(5)) {
            text += (chance(50) ? sandbox_.sentinel : sandbox_.root).string();
        } else {
            text += pick(pickWeighted(kKinds).pieces);
        }
    }
    return text;
}

// A column of file names as a spreadsheet or a file manager copies it, now and then with a
// name that the program has to refuse.
std::string Monkey::names() {
    static const char* const kStems[] = {"welle",  "flansch", "gehäuse", "Getriebe Ä",
                                         "0815-a", "x1",      "Œse",     "deckel_12"};
    static const char* const kExtensions[] = {".drw", ".prt", ".asm", ".DRW"};
    static const char* const kFolders[] = {"C:\\temp\\", "/home/u/", "..\\", "\\\\server\\cad\\"};
    static const char* const kLineEnds[] = {"\r\n", "\n", "\r"};
    std::string text = chance(30) ? "Name\r\n" : "";
    for (std::size_t n = 1 + below(chance(50) ? 5 : 30); n > 0; --n) {
        if (chance(10)) text += pick(kFolders);
        text += pick(kStems);
        if (chance(30)) text += std::to_string(below(100));
        if (chance(3)) text += pick(kOutsideWindows1252);
        if (chance(2)) text += pick(kBreaking);
        if (chance(3)) text += pick(kWordPieces);
        text += pick(kExtensions);
        if (chance(30)) text += "." + std::to_string(1 + below(20));
        if (chance(3)) text += " ";
        text += pick(kLineEnds);
        if (chance(3)) text += pick(kLineEnds);
    }
    return text;
}

std::string Monkey::binaryBytes() {
    std::string bytes(1 + below(400), '\0');
    for (char& byte : bytes) byte = static_cast<char>(below(256));
    return bytes;
}

std::string Monkey::namesWithNul() {
    std::string text = names();
    for (std::size_t n = 1 + below(4); n > 0; --n) text.insert(below(text.size() + 1), 1, '\0');
    return text;
}

std::string Monkey::namesWithInvalidUtf8() {
    std::string text = names();
    for (std::size_t n = 1 + below(4); n > 0; --n) {
        text.insert(below(text.size() + 1), 1, static_cast<char>(0x80 + below(128)));
    }
    return text;
}

std::string Monkey::hundredThousandLines() {
    std::string text;
    for (int n = 0; n < 100'000; ++n) text += "teil-" + std::to_string(n) + ".prt\r\n";
    return text;
}

std::string Monkey::tenMegabyteLine() {
    std::string text;
    while (text.size() < 10'000'000) text += "Welle-Ä-";
    return text + ".drw";
}

}  // namespace
}  // namespace stapelwerk
