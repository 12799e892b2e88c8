// TOCIctrl::Login: the logon through the modal login dialog. Kept apart from the rest of the
// session so that programs without windows use the component without linking QtWidgets.

#include "session/toci.h"

#include "platform/client_text.h"
#include "session/component_texts.h"
#include "session/login.h"

#include <QLineEdit>

#include <memory>

namespace {
namespace platform = velmora::platform;
using velmora::session::componentText;
using velmora::session::ComponentText;
} // namespace

bool TOCIctrl::Login() {
    ErrMsg.clear();
    if (!m_libActive && !Active()) {
        ErrMsg = componentText(ComponentText::DllUnusable);
        return false;
    }
    std::unique_ptr<TfmLogin> dialog;
    try {
        dialog = std::make_unique<TfmLogin>();
    } catch (...) {
        return false;
    }
    m_loginDlg = dialog.get();
    const bool result = runLoginDialog(*dialog);
    m_loginDlg = nullptr;
    return result;
}

bool TOCIctrl::runLoginDialog(TfmLogin &dialog) {
    dialog.edUser->setText(platform::fromClientText(UserID));
    dialog.edPassword->setText(platform::fromClientText(Password));
    dialog.edConn->setText(platform::fromClientText(ConnStr));
    if (!dialog.edUser->text().isEmpty())
        dialog.edPassword->setFocus();
    else
        dialog.edUser->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!DisConnect())
        return false;
    UserID = platform::toClientText(dialog.edUser->text());
    Password = platform::toClientText(dialog.edPassword->text());
    ConnStr = platform::toClientText(dialog.edConn->text());
    return Connect();
}
