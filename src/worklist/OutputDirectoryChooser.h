#pragma once

#include <QGroupBox>

namespace stapelwerk {

class DirectoryList;
class Platform;

// The output-directory chooser `Frame6`: the directory shown when "ok" is
// pressed becomes the output directory.
class OutputDirectoryChooser : public QGroupBox {
    Q_OBJECT
public:
    OutputDirectoryChooser(Platform& platform, QWidget* parent);

    // Shows `directory` in `Dir2` and its drive in `Drive2`.
    void showDirectory(const QString& directory);

signals:
    void chosen(const QString& directory);
    void statusReport(const QString& text);

private:
    DirectoryList* directories_ = nullptr;
};

}  // namespace stapelwerk
