#pragma once

#include <QGroupBox>

namespace stapelwerk {

class DirectoryList;
class Platform;

// The output-directory chooser `Frame6`: "ok" makes the highlighted directory (or, with
// none highlighted, the one shown) the output directory; Escape closes it, changing nothing.
class OutputDirectoryChooser : public QGroupBox {
    Q_OBJECT
public:
    OutputDirectoryChooser(Platform& platform, QWidget* parent);

    // Shows `directory` in `Dir2` and its drive in `Drive2`.
    void showDirectory(const QString& directory);
    // Puts the keyboard into the directory list.
    void focusDirectories();

signals:
    void chosen(const QString& directory);
    void statusReport(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DirectoryList* directories_ = nullptr;
};

}  // namespace stapelwerk
