#include "session/component_texts.h"

#include "platform/client_text.h"

#include <array>

namespace velmora::session {
namespace {

// In the order of ComponentText.
constexpr std::array<const char *, 14> kTexts = {
    "DLLが使用不可能です。",
    "OCIW32.DLL or OCI.DLLのロードに失敗しました。",
    "セッションを切断できません。",
    "セッションを終了できません。",
    "Auto-CommitをONにできません。",
    "Auto-CommitをOFFにできません。",
    "接続されていません。",
    "OCIクラス内部エラー：カラム配列とタイプ配列の数が合いません。",
    "OCIクラス内部エラー：カーソルが指定されていません。",
    "OCI-Controlにバインドされていません",
    "抽出不可能なカラムが選択されました。",
    "INSERTするテーブルが指定されていません。",
    "INSERTする列が指定されていません。",
    "項目がテーブルに存在しません。",
};
static_assert(kTexts.size() == static_cast<std::size_t>(ComponentText::NoSuchColumn) + 1);

QByteArray clientText(const char *utf8) {
    return platform::toClientText(QString::fromUtf8(utf8));
}

} // namespace

QByteArray componentText(ComponentText which) {
    static const std::array<QByteArray, kTexts.size()> converted = [] {
        std::array<QByteArray, kTexts.size()> texts;
        for (std::size_t i = 0; i < kTexts.size(); ++i)
            texts[i] = clientText(kTexts[i]);
        return texts;
    }();
    return converted.at(static_cast<std::size_t>(which));
}

QByteArray missingEntryText(const char *entryName) {
    return clientText("エントリ") + entryName + clientText("のロードに失敗しました。");
}

} // namespace velmora::session
