#include "platform/testing/RealFileDialog.h"

#include "platform/seams/FileDialogPrivate.h"
#include "platform/window/qt/Hub.h"

#include <QEventLoop>
#include <QFileSystemModel>

#include <algorithm>

namespace platform::simulate {

std::vector<std::string> ListInRealFileDialog(const FileDialogRequest& request, const std::string& folder)
{
    platform::detail::Hub::Instance();
    const std::unique_ptr<QFileDialog> dialog = platform::detail::MakeFileDialog(request, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* model = dialog->findChild<QFileSystemModel*>();
    if (model == nullptr)
        return {};
    const QString path = QString::fromStdString(folder);
    QEventLoop loop;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& loaded) {
        if (loaded == path)
            loop.quit();
    });
    dialog->setDirectory(path);
    dialog->show();
    loop.exec();

    std::vector<std::string> names;
    const QModelIndex listed = model->index(path);
    for (int row = 0; row < model->rowCount(listed); ++row)
        names.push_back(model->fileName(model->index(row, 0, listed)).toStdString());
    std::sort(names.begin(), names.end());
    dialog->close();
    return names;
}

} // namespace platform::simulate
