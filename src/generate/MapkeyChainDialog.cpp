#include "generate/MapkeyChainDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "platform/platform.h"
#include "widgets/Placement.h"
#include "widgets/QtText.h"
#include "widgets/twips.h"
#include "workflow/functions.h"

namespace stapelwerk {

namespace {
constexpr const char* kLightYellow = "background-color: rgb(255, 255, 192);";
}  // namespace

MapkeyChainDialog::MapkeyChainDialog(Platform& platform, Job& job, QWidget* parent)
    : QDialog(parent), platform_(platform), job_(job) {
    setObjectName("frm_mapkeyneu");
    setWindowTitle(qt(texts::kChainDialogTitle));
    resize(twips(4005), twips(3795));

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

    setTabOrder(chain_, ok);
    setTabOrder(ok, sample);
    chain_->setFocus();
}

void MapkeyChainDialog::build() {
    const std::string chain = chain_->text().toStdString();
    settings::write(platform_, settings::kMapkeyChain, chain);
    if (const Result<> built = workflow::buildMapkeyChain(job_, chain); !built) {
        platform_.showMessage(built.message());
        return;
    }
    emit built();
    close();
}

}  // namespace stapelwerk
