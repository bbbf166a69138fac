#include "platform/seams/InfoDialogs.h"

#include "platform/window/qt/Hub.h"
#include "platform/window/qt/QtModalDialog.h"
#include "platform/window/qt/WndPrivate.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

TextPageHandler& PageHandler()
{
    static TextPageHandler handler;
    return handler;
}

NumberFormHandler& FormHandler()
{
    static NumberFormHandler handler;
    return handler;
}

// Nobody can answer a dialog on the offscreen platform: say it was there.
bool Unseen(const std::string& title)
{
    platform::detail::Hub::Instance();
    if (QGuiApplication::platformName() != "offscreen")
        return false;
    std::fprintf(stderr, "Dialog \"%s\"\n", title.c_str());
    return true;
}

QWidget* ParentOf(const CWnd* owner)
{
    if (owner == nullptr || owner == CWnd::GetDesktopWindow() || !owner->IsWindow())
        return nullptr;
    return owner->GetTopLevelParent()->Private()->Outer();
}

void ShowRealTextPage(const TextPageRequest& request)
{
    if (Unseen(request.title))
        return;
    QDialog dialog(ParentOf(request.owner));
    dialog.setWindowTitle(QString::fromStdString(request.title));
    auto* text = new QTextBrowser;
    text->setHtml(QString::fromStdString(request.html));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(560, 480);
    platform::detail::RunQtModalDialog(dialog);
}

// Whole numbers up to 2^53 keep exactly in a spin box of no decimals.
std::optional<std::vector<int64_t>> AskRealNumbers(const NumberFormRequest& request)
{
    if (Unseen(request.title))
        return std::nullopt;
    QDialog dialog(ParentOf(request.owner));
    dialog.setWindowTitle(QString::fromStdString(request.title));
    auto* form = new QFormLayout;
    std::vector<QDoubleSpinBox*> boxes;
    for (const NumberField& field : request.fields) {
        auto* box = new QDoubleSpinBox;
        box->setDecimals(0);
        box->setRange(double(field.minimum), double(field.maximum));
        box->setValue(double(field.value));
        box->setGroupSeparatorShown(false);
        form->addRow(QString::fromStdString(field.label), box);
        boxes.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (!boxes.empty())
        boxes.front()->selectAll();
    if (platform::detail::RunQtModalDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    std::vector<int64_t> values;
    for (const QDoubleSpinBox* box : boxes)
        values.push_back(int64_t(box->value()));
    return values;
}

} // namespace

namespace platform {

void ShowTextPage(const CWnd* owner, const std::string& title, const std::string& html)
{
    const TextPageRequest request{owner, title, html};
    if (PageHandler())
        return PageHandler()(request);
    ShowRealTextPage(request);
}

std::optional<std::vector<int64_t>> AskNumbers(const CWnd* owner, const std::string& title,
                                               std::vector<NumberField> fields)
{
    const NumberFormRequest request{owner, title, std::move(fields)};
    std::optional<std::vector<int64_t>> values =
        FormHandler() ? FormHandler()(request) : AskRealNumbers(request);
    if (!values || values->size() != request.fields.size())
        return std::nullopt;
    for (size_t i = 0; i < values->size(); ++i)
        (*values)[i] = std::clamp((*values)[i], request.fields[i].minimum, request.fields[i].maximum);
    return values;
}

void SetTextPageHandler(TextPageHandler handler) { PageHandler() = std::move(handler); }
void SetNumberFormHandler(NumberFormHandler handler) { FormHandler() = std::move(handler); }

} // namespace platform
