#pragma once

#include <QLineEdit>

namespace stapelwerk {

// A read-only one-line field whose text, when longer than the field, ends in "…"; the
// whole text stays its text, and is its tool tip and accessible description.
class ElidingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    ElidingLineEdit(const QString& text, QWidget* parent);

    // Whether the field shows its text cut.
    bool isCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void describe();
    QRect textArea() const;
};

}  // namespace stapelwerk
