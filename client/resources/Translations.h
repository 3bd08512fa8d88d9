#pragma once

namespace corvana {

// Installs the translation of the user's language (built from translations/*.ts),
// when there is one; the windows' own texts are Chinese.
void installTranslation();

} // namespace corvana
