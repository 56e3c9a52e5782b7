#include "ui/app/InfoDialog.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/growing.h"
#include "core/texts.h"
#include "platform/platform.h"
#include "platform/sound_file.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {

namespace {
constexpr int kUsageLines = 28;  // the lines before the terms of use, wrapped by hand

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) joined << qt(line);
    return joined.join('\n');
}

// The usage lines are wrapped by hand; a wide font would wrap them a second time, so the
// text takes a smaller size (down to a readable limit) until the widest of them fits.
void fitUsageLines(QPlainTextEdit* text, const std::vector<std::string>& lines) {
    constexpr qreal kSmallestPointSize = 6.5;
    const qreal room = text->width() - 2 * text->frameWidth() -
                       text->verticalScrollBar()->sizeHint().width() -
                       2 * text->document()->documentMargin();
    QFont font = text->font();
    while (font.pointSizeF() > kSmallestPointSize) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (int i = 0; i < kUsageLines && i < static_cast<int>(lines.size()); ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(qt(lines[i]).trimmed()));
        }
        if (widest <= room) break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    text->setFont(font);
}
}  // namespace

InfoDialog::InfoDialog(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Dialog), platform_(platform) {
    setObjectName("frm_help");
    setWindowTitle(qt(texts::kInfoTitle));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(grey);
    resize(twips(6270), twips(4800));

    // First in the tab order, so that the keyboard lands on it.
    auto* ok = new QPushButton(qt(texts::kOk), this);
    ok->setObjectName("cmd_ok");
    placeTwips(ok, 2280, 4320, 1455, 375);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    const std::vector<std::string> lines = texts::infoTextLines();
    auto* text = new QPlainTextEdit(joinedLines(lines), this);
    text->setObjectName("Text1");
    text->setAccessibleName(qt(texts::kInfoTextName));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FocusFrame::attach(text);
    placeTwips(text, 240, 45, 5895, 3975);
    fitUsageLines(text, lines);

    auto* moreAt = new QLabel(qt(texts::kInfoMoreAt), this);
    moreAt->setObjectName("Label2");
    placeTwips(moreAt, 1575, 4050, 855, 285);

    auto* address = new ClickableLabel(qt(texts::kDownloadAddress), this);
    address->setObjectName("Label1");
    address->setAccessibleName(qt(texts::kOpenDownloadPage));
    address->setToolTip(qt(texts::kOpenDownloadPage));
    address->setCursor(artwork::handCursor());
    address->setStyleSheet("color: rgb(0, 0, 255);");
    moreAt->setBuddy(address);
    placeTwips(address, 2520, 4050, 3585, 195);
    connect(address, &ClickableLabel::clicked, this, [this] {
        if (!platform_.shellOpen(std::string(texts::kDownloadAddress))) {
            platform_.showMessage(texts::messageAddressNotOpened(texts::kDownloadAddress));
        }
    });

    growOpen();
}

// The window system sizes the inner area and keeps the frame around it, so growing the
// inner width to its target grows the outer width to its target as well.
void InfoDialog::growOpen() {
    platform_.playSound(std::string(kSoundFile));
    const int target = toTwips(width());
    resize(0, height());
    show();
    for (const int step : growingWidths(target)) {
        resize(twips(step), height());
        repaint();
        platform_.pause(1);
    }
}

void InfoDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace stapelwerk
