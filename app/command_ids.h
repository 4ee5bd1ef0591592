// The commands of the main window (WM_COMMAND ids).
#ifndef TAMBLE_COMMAND_IDS_H
#define TAMBLE_COMMAND_IDS_H

namespace tb::cmd {

constexpr int New = 57600;
constexpr int Open = 57601;
constexpr int Save = 57603;
constexpr int SaveAs = 57604;
constexpr int Copy = 57634;
constexpr int Paste = 57637;
constexpr int Help = 57670;
constexpr int Play = 32771;
constexpr int Record = 32772;
constexpr int Stop = 32773;
constexpr int Pause = 32774;
constexpr int Edit = 32781;
constexpr int Shortcut = 32783;
constexpr int Options = 32787;
constexpr int StandardDataFolder = 32789;
constexpr int ChangeDataFolder = 32790;

} // namespace tb::cmd

#endif
