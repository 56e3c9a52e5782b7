#include "ui/generate/MapkeyChainDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/program_place.h"
#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "generate/mapkey_chain.h"
#include "platform/platform.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/LabelFit.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"
#include "workflow/functions.h"
#include "workflow/write_check.h"

namespace stapelwerk {

namespace {
constexpr const char* kLightYellow = "background-color: rgb(255, 255, 192);";
constexpr int kNameRole = Qt::UserRole;
}  // namespace

MapkeyChainDialog::MapkeyChainDialog(Platform& platform, Job& job, QWidget* parent)
    : QDialog(parent), platform_(platform), job_(job) {
    setObjectName("frm_mapkeyneu");
    setWindowTitle(qt(texts::kChainDialogTitle));
    // Wider and taller than designed: the defined mapkeys stand on the right, what the chain
    // names undefined below, and below that where the check looks for the files.
    resize(twips(7830), twips(5130));

    auto* warning = new QLabel(qt(texts::kChainWarning), this);
    warning->setObjectName("Label3");
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warning->setStyleSheet(kLightYellow);
    placeTwips(warning, 120, 180, 3780, 885);

    auto* caption = new QLabel(qt(texts::kChainCaption), this);
    caption->setObjectName("Label1");
    placeTwips(caption, 105, 1395, 3255, 255);

    const std::string chain =
        settings::read(platform_, settings::kMapkeyChain, settings::kMapkeyChainDefault);
    chain_ = new QLineEdit(qt(chain), this);
    chain_->setObjectName("txt_mapkeyname");
    caption->setBuddy(chain_);
    placeTwips(chain_, 105, 1665, 3780, 375);

    auto* ok = new QPushButton(qt(texts::kOk), this);
    ok->setObjectName("cmd_mapkeyok");
    ok->setDefault(true);
    placeTwips(ok, 1155, 2250, 1815, 375);
    connect(ok, &QPushButton::clicked, this, &MapkeyChainDialog::build);

    auto* example = new QFrame(this);
    example->setObjectName("Frame1");
    example->setAccessibleName(qt(texts::kChainExampleName));
    example->setStyleSheet(QString("#Frame1 { %1 }").arg(kLightYellow));
    placeTwips(example, 120, 2790, 3780, 855);

    auto* hint = new QLabel(qt(texts::kChainExampleHint), example);
    hint->setObjectName("Label2");
    placeTwips(hint, 120, 90, 3600, 270);

    auto* sample = new QLineEdit(qt(texts::kChainExample), example);
    sample->setObjectName("Text1");
    sample->setReadOnly(true);
    sample->setAccessibleName(qt(texts::kChainExampleFieldName));
    sample->setStyleSheet("color: rgb(64, 64, 64); background-color: rgb(255, 255, 192);");
    placeTwips(sample, 1155, 360, 1695, 405);

    auto* listCaption = new QLabel(qt(texts::kChainDefinedCaption), this);
    listCaption->setObjectName("Label4");
    placeTwips(listCaption, 4125, 180, 3585, 255);
    auto* mapkeys = new QListWidget(this);
    mapkeys->setObjectName("list_mapkeys");
    mapkeys->setAccessibleName(qt(texts::kChainDefinedName));
    mapkeys->setItemDelegate(new ListTextDelegate(mapkeys));
    FocusFrame::attach(mapkeys);
    listCaption->setBuddy(mapkeys);
    placeTwips(mapkeys, 4125, 435, 3585, 3210);
    known_ = readKnownMapkeys(startConfigPaths(job_.outputDirectory, fallbackDirectory(platform_)));
    for (const DefinedMapkey& mapkey : known_.mapkeys) {
        const QString name = qt(mapkey.name);
        auto* item = new QListWidgetItem(
            mapkey.description.empty() ? name : name + " – " + qt(mapkey.description), mapkeys);
        item->setData(kNameRole, name);
    }
    connect(mapkeys, &QListWidget::itemDoubleClicked, this, &MapkeyChainDialog::addMapkey);
    mapkeys->installEventFilter(this);
    mapkeys_ = mapkeys;

    undefined_ = new QLabel(this);
    undefined_->setObjectName("lbl_undefiniert");
    undefined_->setWordWrap(true);
    undefined_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(undefined_, 120, 3735, 7590, 495);
    connect(chain_, &QLineEdit::textChanged, this, &MapkeyChainDialog::markUndefined);
    markUndefined();

    auto* whereLooked = new QLabel(qt(texts::kChainWhereLooked), this);
    whereLooked->setObjectName("lbl_fundorte");
    whereLooked->setWordWrap(true);
    whereLooked->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(whereLooked, 120, 4275, 7590, 705);

    setTabOrder(chain_, ok);
    setTabOrder(ok, mapkeys);
    setTabOrder(mapkeys, sample);
    chain_->setFocus();
}

// Enter in the list adds the mapkey as a double click does, instead of pressing OK.
bool MapkeyChainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mapkeys_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (mapkeys_->currentItem() != nullptr) addMapkey(mapkeys_->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MapkeyChainDialog::addMapkey(const QListWidgetItem* item) {
    const std::string name = item->data(kNameRole).toString().toStdString();
    chain_->setText(qt(chainWithMapkey(chain_->text().toStdString(), name)));
}

// The mark is the field's colour and the text below it, so that it is not told by colour
// alone.
void MapkeyChainDialog::markUndefined() {
    const std::vector<std::string> undefined =
        workflow::undefinedMapkeys(chain_->text().toStdString(), known_);
    chain_->setStyleSheet(undefined.empty() ? QString() : "background-color: rgb(255, 192, 192);");
    chain_->setAccessibleDescription(
        qt(undefined.empty() ? std::string() : texts::chainUndefinedNote(undefined)));
    if (!known_.looked) {
        fitToText(undefined_, qt(texts::kChainNoConfigPro));
    } else if (undefined.empty()) {
        fitToText(undefined_, qt(texts::kChainAllDefined));
    } else {
        fitToText(undefined_, qt(texts::chainUndefinedNote(undefined)));
    }
}

void MapkeyChainDialog::build() {
    const std::string chain = chain_->text().toStdString();
    settings::write(platform_, settings::kMapkeyChain, chain);
    if (const Result<> built =
            workflow::buildPendingText(job_, {.function = DoitFunction::mapkeyChain,
                                              .chain = chain,
                                              .journal = settings::journalChosen(platform_)});
        !built) {
        platform_.showMessage(built.message());
        return;
    }
    emit built();
    close();
}

}  // namespace stapelwerk
