#include "ui/params/ParameterDeletionDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "platform/platform.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"
#include "workflow/functions.h"

namespace stapelwerk {

ParameterDeletionDialog::ParameterDeletionDialog(Platform& platform, Job& job, QWidget* parent)
    : QDialog(parent), platform_(platform), job_(job) {
    setObjectName("frm_ploesch");
    setWindowTitle(qt(texts::kDeletionDialogTitle));
    resize(twips(3930), twips(1860));

    auto* caption = new QLabel(qt(texts::kDeletionCaption), this);
    caption->setObjectName("Label1");
    placeTwips(caption, 120, 120, 3255, 255);

    const std::string name =
        settings::read(platform_, settings::kDeletedParameter, settings::kParameterNameDefault);
    name_ = new QLineEdit(qt(name), this);
    name_->setObjectName("txt_parameter");
    caption->setBuddy(name_);
    placeTwips(name_, 120, 360, 3615, 375);

    // The double blanks around the option are part of the text.
    auto* warning = new QLabel(qt(texts::kDeletionWarning), this);
    warning->setObjectName("Label2");
    warning->setTextFormat(Qt::PlainText);
    warning->setWordWrap(true);
    warning->setStyleSheet("background-color: rgb(255, 192, 192);");
    placeTwips(warning, 600, 840, 2655, 495);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmd_ploesch");
    ok->setDefault(true);
    placeTwips(ok, 1080, 1440, 1815, 375);
    connect(ok, &QPushButton::clicked, this, &ParameterDeletionDialog::build);

    setTabOrder(ok, name_);
    ok->setFocus();
}

void ParameterDeletionDialog::build() {
    const std::string name = workflow::deletedParameterName(name_->text().toStdString());
    name_->setText(qt(name));
    settings::write(platform_, settings::kDeletedParameter, name);
    if (const Result<> built =
            workflow::buildPendingText(job_, {.function = DoitFunction::parameterDeletion,
                                              .parameterName = name,
                                              .journal = settings::journalChosen(platform_)});
        !built) {
        platform_.showMessage(built.message());
        return;
    }
    emit built();
    close();
}

}  // namespace stapelwerk
