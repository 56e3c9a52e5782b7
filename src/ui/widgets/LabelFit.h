#pragma once

#include <QObject>
#include <QString>
#include <Qt>
#include <functional>

class QLabel;
class QWidget;

namespace stapelwerk {

// The design places were laid out for one font, and systems use others, wider or taller.
// Shows `text` in the label placed by hand: where it does not fit, the label grows into
// the free room beside it (to the right, else to the left) or, wrapping, below it, never
// over another control or out of its window; what still does not fit is cut with "…" (at
// `elide`), the whole text then its tool tip and accessible description. It never shrinks.
void fitToText(QLabel* label, const QString& text, Qt::TextElideMode elide = Qt::ElideRight);

// The longest beginning of `text` of whole words, ended by "…", for which `fits` holds;
// empty where not even the first word fits.
QString wordsThatFit(const QString& text, const std::function<bool(const QString&)>& fits);

// fitToText for every label of the window that no layout places, with its whole text.
void fitLabels(QWidget* window);

// Fits the labels of every window of the program as it is shown (fitLabels), with the font
// the system gives it. Installed on the application.
class LabelFitter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace stapelwerk
