#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "widgets/Artwork.h"
#include "app/BottomBar.h"
#include "widgets/DialogSlot.h"
#include "app/ExplanationTracker.h"
#include "app/InfoDialog.h"
#include "widgets/PictureButton.h"
#include "widgets/Placement.h"
#include "widgets/QtText.h"
#include "app/startup.h"
#include "core/texts.h"
#include "widgets/twips.h"
#include "cadconfig/auto_mapkey.h"
#include "generate/CompletionDialog.h"
#include "generate/FunctionPanel.h"
#include "generate/MapkeyChainDialog.h"
#include "generate/doit_builder.h"
#include "generate/doit_writer.h"
#include "params/ParameterDeletionDialog.h"
#include "params/ParameterListDialog.h"
#include "platform/platform.h"
#include "worklist/FileBrowser.h"
#include "worklist/OutputDirectoryChooser.h"
#include "worklist/WorkListPanel.h"

namespace stapelwerk {

namespace {
// The window is designed 8000 x 6000 twips from frame edge to frame edge.
constexpr int kOuterWidth = 8000;
constexpr int kOuterHeight = 6000;
constexpr int kBottomBarMargin = 500;
}  // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle("Zinkhorn +++ Stapelwerk für Wildfire +++");

    auto* files = new PictureButton("img_files", artwork::filesPicture({twips(870), twips(975)}),
                                    "Dateiauswahl anzeigen", "Dateiauswahl anzeigen", this);
    placeTwips(files, 240, 0, 870, 975);
    connect(files, &PictureButton::clicked, this, &MainWindow::showWorkList);

    auto* info = new PictureButton("Image1", artwork::infoPicture({twips(480), twips(480)}),
                                   "Info", "Info anzeigen", this);
    placeTwips(info, 7200, 240, 480, 480);
    connect(info, &PictureButton::clicked, this,
            [this] { openOrRaise(info_, [this] { return new InfoDialog(platform_, this); }); });

    auto* explanation = new QLabel(qt(texts::kExplainStart), this);
    explanation->setObjectName("Erklaer");
    explanation->setAccessibleName("Erklärung");
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(explanation, 2040, 1200, 4935, 2655);

    writeButton_ = new QPushButton("doit.pro jetzt anlegen", this);
    writeButton_->setObjectName("cmd_fcreate");
    placeTwips(writeButton_, 2880, 2520, 2895, 375);
    writeButton_->hide();
    connect(writeButton_, &QPushButton::clicked, this, [this] {
        if (fileout()) writeButton_->hide();
    });

    functions_ = new FunctionPanel(this);
    functions_->hide();
    connect(functions_, &FunctionPanel::saveAsRequested, this,
            [this] { acceptBuild(buildSaveAs(listSelection_)); });
    connect(functions_, &FunctionPanel::mapkeyChainRequested, this, [this] {
        openOrRaise(mapkeyChain_, [this] { return new MapkeyChainDialog(*this); });
    });
    connect(functions_, &FunctionPanel::parameterAssignmentRequested, this, [this] {
        openOrRaise(parameterList_, [this] { return new ParameterListDialog(*this); });
    });
    connect(functions_, &FunctionPanel::parameterDeletionRequested, this, [this] {
        openOrRaise(parameterDeletion_, [this] { return new ParameterDeletionDialog(*this); });
    });

    workList_ = new WorkListPanel(platform_, this);
    connect(workList_, &WorkListPanel::confirmed, this, &MainWindow::onConfirmed);
    connect(workList_, &WorkListPanel::statusReport, this,
            [this](const QString& text) { setStatus(text.toStdString()); });

    browser_ = new FileBrowser(platform_, *workList_, this);
    browser_->hide();
    connect(workList_, &WorkListPanel::fileBrowserRequested, this, [this] {
        browser_->show();
        browser_->raise();
    });

    bottomBar_ = new BottomBar(this);
    connect(bottomBar_, &BottomBar::exitRequested, this, &QWidget::close);
    connect(bottomBar_, &BottomBar::chooserRequested, this, &MainWindow::placeChooser);
    connect(bottomBar_, &BottomBar::autoRequested, this, &MainWindow::installAutoMapkey);

    chooser_ = new OutputDirectoryChooser(platform_, this);
    chooser_->hide();
    connect(chooser_, &OutputDirectoryChooser::chosen, bottomBar_,
            &BottomBar::setOutputDirectory);
    connect(browser_, &FileBrowser::statusReport, bottomBar_, &BottomBar::setStatus);
    connect(chooser_, &OutputDirectoryChooser::statusReport, bottomBar_, &BottomBar::setStatus);

    selectionCount_ = new QLabel(this);
    selectionCount_->setObjectName("lbl_count");
    selectionCount_->hide();

    startUp();

    // Last, so that it finds every explained control.
    new ExplanationTracker(this, explanation, [this] { return outputDirectory(); });
}

void MainWindow::startUp() {
    const StartupState state = decideStartup(platform_);
    bottomBar_->setUserName(qt(state.userName));
    bottomBar_->setOutputDirectory(qt(state.outputDirectory));
    resize(twips(kOuterWidth - kDesignFrameWidth), twips(kOuterHeight - kDesignFrameHeight));
    bottomBar_->move(bottomBar_->x(),
                     twips(kOuterHeight - toTwips(bottomBar_->height()) - kBottomBarMargin));
    workList_->move(twips(1000), twips(400));
    bottomBar_->raise();
    workList_->show();
    if (state.outputDirectoryExists) {
        chooser_->showDirectory(qt(state.outputDirectory));
    } else {
        workList_->hide();
        placeChooser();
    }
    setStatus(state.status);
    QStringList patterns;
    for (const std::string_view pattern : kFilePatterns) patterns << qt(pattern);
    browser_->addPatterns(patterns);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    storeOutputDirectory(platform_, outputDirectory());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
    QWidget::closeEvent(event);
}

void MainWindow::placeChooser() {
    chooser_->move(bottomBar_->x(), bottomBar_->y() - chooser_->height());
    chooser_->show();
    chooser_->raise();
}

void MainWindow::installAutoMapkey() {
    setStatus(texts::kStatusReadingFile);
    LineBuffer List1;
    if (Lesen(platform_, outputDirectory(), List1)) Speichern(platform_, outputDirectory(), List1);
}

std::string MainWindow::outputDirectory() const {
    return bottomBar_->outputDirectory().toStdString();
}

void MainWindow::setStatus(std::string_view text) {
    bottomBar_->setStatus(qt(text));
}

bool MainWindow::acceptBuild(BuiltText built) {
    if (!built.ok()) {
        platform_.showMessage(built.refusal);
        return false;
    }
    writeButton_->show();
    doittext_ = std::move(built.text);
    setStatus(texts::kStatusReadyToWrite);
    return true;
}

bool MainWindow::CREATE(std::string_view mtyp) {
    return acceptBuild(buildCreate(listSelection_, mtyp));
}

bool MainWindow::CREATE3(std::string_view mtyp, const std::vector<std::string>& values) {
    return acceptBuild(buildCreate3(listSelection_, mtyp, values));
}

bool MainWindow::fileout() {
    const DoitWriteResult result = writeDoitPro(outputDirectory(), doittext_);
    if (!result.ok) {
        platform_.showMessage(result.message);
        setStatus(texts::kStatusNotWritten);
        return false;
    }
    setStatus(texts::kStatusWritten);
    openOrRaise(completion_, [this] {
        return new CompletionDialog(platform_, [this] { return outputDirectory(); }, this);
    });
    return true;
}

void MainWindow::onConfirmed(const std::vector<std::string>& entries) {
    listSelection_ = entries;
    if (listSelection_.empty()) {
        platform_.showMessage(std::string(texts::kMessageSelectFiles));
        return;
    }
    workList_->hideMenu();
    workList_->hide();
    functions_->show();
    selectionCount_->setText(QString::number(listSelection_.size()));
    setStatus(texts::statusFilesChosen(listSelection_.size()));
}

void MainWindow::showWorkList() {
    workList_->move(twips(240), twips(960));
    workList_->show();
    writeButton_->hide();
}

void MainWindow::moveWorkListTo(QPoint pointer) {
    QPoint place = pointer;
    if (place.x() + workList_->width() > width()) place.setX(width() - workList_->width());
    if (place.y() + workList_->height() > bottomBar_->y()) {
        place.setY(bottomBar_->y() - workList_->height());
    }
    workList_->move(place);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) moveWorkListTo(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

}  // namespace stapelwerk
