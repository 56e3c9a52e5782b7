#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextDocument>

#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/WrappedButton.h"

namespace stapelwerk {
namespace {

// Where a caption is drawn, how, and what of it.
struct Caption {
    QRect area;
    int flags = 0;
    QString shown;
    QString given;  // what the program gave the control: a "…" of its own is no cut
};

// The caption of a label or push button; none for other controls and pictures.
std::optional<Caption> captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int margin = label->margin();
        const QVariant whole = label->property("stapelwerkWholeText");
        return Caption{label->contentsRect().marginsRemoved({margin, margin, margin, margin}),
                       static_cast<int>(label->alignment()) |
                           (label->wordWrap() ? Qt::TextWordWrap : 0) |
                           (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0),
                       label->text(), whole.isValid() ? whole.toString() : label->text()};
    }
    if (const auto* wrapped = qobject_cast<const WrappedButton*>(control)) {
        return Caption{wrapped->captionArea(), Qt::TextWordWrap | Qt::TextShowMnemonic,
                       wrapped->shownCaption(), wrapped->text()};
    }
    // A button's text may reach into its padding above and below, not out of the button.
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return Caption{{contents.left(), 0, contents.width(), button->height()},
                       Qt::TextShowMnemonic,
                       button->text(),
                       button->text()};
    }
    return std::nullopt;
}

// The controls of every open window whose caption is cut, without the whole of it in its tool
// tip: "window/control: text". Hidden panels and menus too, as they stand once opened.
std::vector<std::string> cutCaptions() {
    std::vector<std::string> cut;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        window->grab();
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const std::optional<Caption> caption = captionOf(control);
            if (control->window() != window || control->isHidden() || !caption ||
                caption->shown.isEmpty() || Qt::mightBeRichText(caption->shown)) {
                continue;
            }
            const QRect needed =
                control->fontMetrics().boundingRect(caption->area, caption->flags, caption->shown);
            const bool whole = needed.width() <= caption->area.width() &&
                               needed.height() <= caption->area.height();
            const QStringList parts = caption->shown.split(QChar(0x2026));
            const bool told = std::all_of(parts.begin(), parts.end(), [&](const QString& part) {
                return parts.size() == 1 || caption->shown == caption->given ||
                       control->toolTip().contains(
                           QString(part).remove(QRegularExpression("&(?!&)")));
            });
            if (whole && told) continue;
            cut.push_back(
                (window->objectName() + "/" + control->objectName() + ": " + caption->shown)
                    .toStdString());
        }
    }
    return cut;
}

// A font other than the design's, as systems have them: a family at a point size (0: the
// program's own).
struct OtherFont {
    const char* family;
    double pointSize;
};

void PrintTo(const OtherFont& font, std::ostream* out) {
    *out << font.family << ' ' << font.pointSize;
}

// Every window is built with the font of the test's parameter.
class ApplicationFont {
public:
    explicit ApplicationFont(const OtherFont& font) : designed_(QApplication::font()) {
        QFont other = designed_;
        other.setFamilies({font.family});
        if (font.pointSize > 0) other.setPointSizeF(font.pointSize);
        QApplication::setFont(other);
    }
    ~ApplicationFont() { QApplication::setFont(designed_); }

private:
    QFont designed_;
};

class OtherFontTest : public ::testing::WithParamInterface<OtherFont>,
                      public ApplicationFont,
                      public testing::MainWindowFixture {
public:
    OtherFontTest() : ApplicationFont(GetParam()) {}
};

TEST_P(OtherFontTest, EveryWindowShowsEveryCaptionWholeOrCutWithItInItsToolTip) {
    // A family found in two forms is named with its foundry: "C059 [UKWN]".
    if (!QFontInfo(window.font()).family().startsWith(GetParam().family)) {
        GTEST_SKIP() << GetParam().family << " is not installed";
    }
    openEveryWindow();
    // A long folder of the value list, as an installed program's is.
    platform.installed = true;
    platform.dataDir = output.file(std::string(60, 'd'));
    testing::child<QPushButton>(testing::child<QWidget>(&window, "frm_param"), "open")->click();
    EXPECT_EQ(cutCaptions(), std::vector<std::string>{});
}

// A wide serif at the program's size and at Windows' own for its windows (fonts-dejavu-core),
// and a serif of tall lines, which Wine takes where Windows' fonts are missing
// (fonts-urw-base35).
INSTANTIATE_TEST_SUITE_P(Fonts, OtherFontTest,
                         ::testing::Values(OtherFont{"DejaVu Serif", 0},
                                           OtherFont{"DejaVu Serif", 9}, OtherFont{"C059", 0}));

}  // namespace
}  // namespace stapelwerk
