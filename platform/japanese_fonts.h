#pragma once
// The windows name Japanese faces ("ＭＳ ゴシック", "ＭＳ Ｐゴシック") that exist on Windows only;
// elsewhere they are mapped onto installed metric-compatible faces so that the text renders.

namespace velmora::platform {

// Registers the substitutions with the font system; call once after the application exists.
void installJapaneseFaceSubstitutions();

} // namespace velmora::platform
