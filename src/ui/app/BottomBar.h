#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace stapelwerk {

class ClickableLabel;
class ElidingLineEdit;

// The bottom bar `Frame4`: output directory, user, status line, the auto button and exit.
class BottomBar : public QFrame {
    Q_OBJECT
public:
    explicit BottomBar(QWidget* parent);

    QString outputDirectory() const;
    void setOutputDirectory(const QString& directory);
    void setUserName(const QString& name);
    void setStatus(const QString& text);
    QString status() const;

signals:
    // The text of `txt_pro` changed, typed or set.
    void outputDirectoryChanged(const QString& directory);
    void exitRequested();
    void autoRequested();
    // `Label7` was clicked.
    void chooserRequested();

protected:
    // On the bare bar, the right button shows `cmd_auto` and the left one hides it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    ClickableLabel* caption_ = nullptr;
    QLineEdit* outputDirectory_ = nullptr;
    QLabel* user_ = nullptr;
    ElidingLineEdit* status_ = nullptr;
    QPushButton* auto_ = nullptr;
};

}  // namespace stapelwerk
