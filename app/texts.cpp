// The player's texts. Narrow literals are compiled to GBK.
#include "app/texts.h"

namespace app {

const char TITLE[] = "Qorvel音乐播放器";
const char MESSAGE_BOX_TITLE[] = "Qorvel音乐播放器提醒您：";
const char HELP_TEXT[] =
    "快捷键：\r\n"
    "F8   继续播放\r\n"
    "F9   换一首歌\r\n"
    "F10 停止播放\r\n"
    "F11 隐藏/显示软件\r\n"
    "制作：Qorvel 开发组，祝您游戏愉快！";
const char FOOTER_LINE[] = "Qorvel 开发组  版权所有  (C) 2026";
const char HELP_LINK_TEXT[] = "操作说明";
const char EXIT_LINK_TEXT[] = "退出软件";
const char HIDE_CAPTION[] = "隐藏";
const char SHOW_CAPTION[] = "显示";

// A listener-supported dance and downtempo stream that starts at once; a reserved example
// page that stays silent.
const char MUSIC_SITE_ADDRESS[] = "ice1.somafm.com/beatblender-128-mp3";
const char QUIET_PAGE_ADDRESS[] = "example.com";

}  // namespace app
