#include "ui/app/ExplanationTracker.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "app/explanations.h"
#include "ui/widgets/QtText.h"

namespace stapelwerk {

ExplanationTracker::ExplanationTracker(QWidget* window, QLabel* explanation,
                                       std::function<std::string()> outputDirectory)
    : QObject(window),
      window_(window),
      explanation_(explanation),
      outputDirectory_(std::move(outputDirectory)) {
    // Its name stays "Erklärung"; what it explains reaches a screen reader as description.
    explanation_->setAccessibleDescription(explanation_->text());
    watch(window_);
    for (const std::string_view name : explainedControls()) {
        for (QWidget* control : window_->findChildren<QWidget*>(qt(name))) watch(control);
    }
}

// Without tracking a widget sees no movement while no button is held.
void ExplanationTracker::watch(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

QString ExplanationTracker::controlAt(QPoint windowPosition) const {
    if (const QWidget* control = window_->childAt(windowPosition)) return control->objectName();
    // The explanation lets clicks through to the background, but the pointer on its text
    // is on a control of its own: reading the text must not wipe it.
    if (explanation_->isVisible() && explanation_->geometry().contains(windowPosition)) {
        return explanation_->objectName();
    }
    return qt(kBareBackground);
}

bool ExplanationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const auto* widget = static_cast<QWidget*>(watched);
        const QPoint at =
            widget->mapTo(window_, static_cast<QMouseEvent*>(event)->position().toPoint());
        const std::optional<std::string> text =
            explanationFor(controlAt(at).toStdString(), outputDirectory_());
        if (text) {
            explanation_->setText(QString::fromStdString(*text));
            explanation_->setAccessibleDescription(explanation_->text());
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace stapelwerk
