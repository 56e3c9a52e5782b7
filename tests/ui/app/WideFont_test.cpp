#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/ElidingLineEdit.h"
#include "ui/widgets/WrappedButton.h"

namespace stapelwerk {
namespace {

// Every window is built with a font wider than the one the design was made for: a serif
// as a system without the usual fonts falls back on, at the program's point size (0) or
// at another.
class WideApplicationFont {
public:
    explicit WideApplicationFont(double pointSize) : designed_(QApplication::font()) {
        QFont wide = designed_;
        wide.setFamilies({"DejaVu Serif"});
        if (pointSize > 0) wide.setPointSizeF(pointSize);
        QApplication::setFont(wide);
    }
    ~WideApplicationFont() { QApplication::setFont(designed_); }

private:
    QFont designed_;
};

// Whether `shown` fits `area` drawn with `flags`.
bool fits(const QFontMetrics& metrics, const QRect& area, int flags, const QString& shown) {
    const QRect needed = metrics.boundingRect(area, flags, shown);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// A control that shows its text cut ("…") is whole when its tool tip holds the whole text.
bool elidedWithToolTip(const QWidget* control, const QString& shown) {
    if (!shown.contains(QChar(0x2026)) || control->toolTip().isEmpty()) return false;
    for (const QString& part : shown.split(QChar(0x2026), Qt::SkipEmptyParts)) {
        if (!control->toolTip().contains(part)) return false;
    }
    return true;
}

// Where the control draws its text and how; false for a control without a caption of its own.
bool captionArea(const QWidget* control, QRect& area, int& flags, QString& shown) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        shown = label->text();
        if (shown.isEmpty() || Qt::mightBeRichText(shown)) return false;
        area = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
        return true;
    }
    if (const auto* wrapped = qobject_cast<const WrappedButton*>(control)) {
        shown = wrapped->shownCaption();
        area = wrapped->captionArea();
        flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
        return !shown.isEmpty();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        shown = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.features =
            button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!button->icon().isNull()) area.setLeft(area.left() + button->iconSize().width() + 4);
        flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        return !shown.isEmpty();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        shown = box->text();
        QStyleOptionButton option;
        option.initFrom(box);
        area = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        return !shown.isEmpty();
    }
    const auto* field = qobject_cast<const QLineEdit*>(control);
    // What a user types may scroll; a field that only shows must show it all, or cut it
    // with it in its tool tip, as the eliding field does.
    if (field == nullptr || !field->isReadOnly() ||
        qobject_cast<const ElidingLineEdit*>(field) != nullptr) {
        return false;
    }
    shown = field->text();
    QStyleOptionFrame option;
    option.initFrom(field);
    area = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    area = area.marginsRemoved(field->textMargins()).adjusted(2, 1, -2, -1);
    flags = Qt::AlignLeft | Qt::AlignVCenter;
    return !shown.isEmpty();
}

// The controls of every open window whose caption is cut: "window/control: text".
std::vector<std::string> cutCaptions() {
    std::vector<std::string> cut;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        window->grab();
        // Hidden panels and menus too: each shows its controls as they stand once opened.
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window) continue;
            QRect area;
            int flags = 0;
            QString shown;
            if (control->isHidden() || !captionArea(control, area, flags, shown)) continue;
            const bool whole = !area.isEmpty() && fits(control->fontMetrics(), area, flags, shown);
            if (whole || elidedWithToolTip(control, shown)) continue;
            cut.push_back(
                (window->objectName() + "/" + control->objectName() + ": " + shown).toStdString());
        }
    }
    return cut;
}

using testing::child;

class WideFontTest : public ::testing::WithParamInterface<double>,
                     public WideApplicationFont,
                     public testing::MainWindowFixture {
public:
    WideFontTest() : WideApplicationFont(GetParam()) {}
};

TEST_P(WideFontTest, EveryWindowShowsEveryCaptionWholeOrCutWithItInItsToolTip) {
    ASSERT_TRUE(QFontDatabase::hasFamily("DejaVu Serif")) << "fonts-dejavu-core is missing";
    ASSERT_EQ(QFontInfo(window.font()).family(), "DejaVu Serif");
    openEveryWindow();
    // The value list's folder: a long path, as an installed program's is.
    platform.installed = true;
    platform.dataDir = output.file(std::string(60, 'd'));
    child<QPushButton>(child<QWidget>(&window, "frm_param"), "open")->click();
    EXPECT_EQ(cutCaptions(), std::vector<std::string>{});
}

// The program's size, and Windows' own for its windows.
INSTANTIATE_TEST_SUITE_P(Sizes, WideFontTest, ::testing::Values(0.0, 9.0));

}  // namespace
}  // namespace stapelwerk
