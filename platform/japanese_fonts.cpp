// The windows ask for the Windows Japanese faces by name. Outside Windows those faces are
// rarely installed, and the font system's own fallback may pick a proportional face for the
// monospaced "ＭＳ ゴシック" (breaking the source grid's columns) or none with Japanese glyphs.
// Each face is therefore mapped onto installed faces with the same pitch and metrics.

#include "platform/japanese_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace velmora::platform {

#ifndef Q_OS_WIN
namespace {

struct FaceMapping {
    QStringList faces;      // the names the windows may use (Japanese and English spelling)
    QStringList candidates; // installed faces to use instead, best first
};

const QList<FaceMapping> &mappings() {
    static const QList<FaceMapping> table = {
        {{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")},
         {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
          QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("TakaoGothic"),
          QStringLiteral("VL Gothic")}},
        {{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic")},
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
          QStringLiteral("VL PGothic")}},
        {{QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")},
         {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("TakaoMincho")}},
        {{QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho")},
         {QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("TakaoPMincho")}},
    };
    return table;
}

} // namespace
#endif

void installJapaneseFaceSubstitutions() {
#ifndef Q_OS_WIN
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return; // the font database needs the GUI application
    const QStringList installed = QFontDatabase::families();
    for (const FaceMapping &mapping : mappings()) {
        QStringList present;
        for (const QString &candidate : mapping.candidates) {
            if (installed.contains(candidate, Qt::CaseInsensitive))
                present << candidate;
        }
        if (present.isEmpty())
            continue; // leave it to the font system's own fallback
        for (const QString &face : mapping.faces) {
            if (!installed.contains(face, Qt::CaseInsensitive))
                QFont::insertSubstitutions(face, present);
        }
    }
#endif
}

} // namespace velmora::platform
