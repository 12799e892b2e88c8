// The fixed messages of the session and cursor components: each is client text (the code page
// the client library sees), and all of them come from one table, so that no component file
// hands out a text in the encoding its source happens to be written in.

#include "platform/client_text.h"
#include "session/component_texts.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using velmora::platform::fromClientText;
using velmora::platform::toClientText;
using velmora::session::componentText;
using velmora::session::ComponentText;

TEST(ComponentTexts, EveryFixedMessageIsClientTextAndSourcesHoldNoOtherText) {
    const struct {
        ComponentText which;
        const char *shown;
    } texts[] = {
        {ComponentText::DllUnusable, "DLLが使用不可能です。"},
        {ComponentText::LoadFailed, "OCIW32.DLL or OCI.DLLのロードに失敗しました。"},
        {ComponentText::CannotDisconnect, "セッションを切断できません。"},
        {ComponentText::CannotEndSession, "セッションを終了できません。"},
        {ComponentText::AutoCommitOn, "Auto-CommitをONにできません。"},
        {ComponentText::AutoCommitOff, "Auto-CommitをOFFにできません。"},
        {ComponentText::NotConnected, "接続されていません。"},
        {ComponentText::ColumnCountMismatch,
         "OCIクラス内部エラー：カラム配列とタイプ配列の数が合いません。"},
        {ComponentText::NoCursor, "OCIクラス内部エラー：カーソルが指定されていません。"},
        {ComponentText::NotBound, "OCI-Controlにバインドされていません"},
        {ComponentText::Unfetchable, "抽出不可能なカラムが選択されました。"},
        {ComponentText::NoInsertTable, "INSERTするテーブルが指定されていません。"},
        {ComponentText::NoInsertColumns, "INSERTする列が指定されていません。"},
        {ComponentText::NoSuchColumn, "項目がテーブルに存在しません。"},
    };
    for (const auto &text : texts) {
        SCOPED_TRACE(text.shown);
        EXPECT_EQ(componentText(text.which), toClientText(QString::fromUtf8(text.shown)));
        EXPECT_EQ(fromClientText(componentText(text.which)), QString::fromUtf8(text.shown));
    }
    EXPECT_EQ(fromClientText(velmora::session::missingEntryText("ocan")),
              QString::fromUtf8("エントリocanのロードに失敗しました。"));

    // A text written into a component's source would reach ErrMsg in the source's encoding;
    // only the table holds texts beyond ASCII.
    const QDir root(QStringLiteral(VELMORA_SOURCE_DIR));
    const QStringList components{"session/toci*", "session/sql_text.h", "cursor/*"};
    int files = 0;
    for (const QString &pattern : components) {
        const QFileInfo where(root.filePath(pattern));
        for (const QFileInfo &file :
             QDir(where.path()).entryInfoList({where.fileName()}, QDir::Files)) {
            QFile source(file.filePath());
            ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << file.filePath().toStdString();
            const QByteArray bytes = source.readAll();
            ++files;
            EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            })) << file.filePath().toStdString();
        }
    }
    EXPECT_GE(files, 6);
}

} // namespace
