// The player's texts (GBK) and the two web addresses it loads.
#pragma once

namespace app {

extern const char TITLE[];               // the big title over the background
extern const char MESSAGE_BOX_TITLE[];   // title of the help box
extern const char HELP_TEXT[];           // six lines, CR LF between them
extern const char FOOTER_LINE[];         // one-line ownership notice at the bottom
extern const char HELP_LINK_TEXT[];
extern const char EXIT_LINK_TEXT[];
extern const char HIDE_CAPTION[];        // caption of the hide/show button while shown
extern const char SHOW_CAPTION[];        // ... and while hidden

// Without a scheme. The music address plays by itself when loaded; the quiet one is silent.
extern const char MUSIC_SITE_ADDRESS[];
extern const char QUIET_PAGE_ADDRESS[];

}  // namespace app
