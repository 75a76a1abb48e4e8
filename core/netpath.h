// Where a path named inside a file would lead, judged from its text alone,
// before anything looks the name up: on this machine, on another machine (a
// share, whose server would be handed the user's sign-in), or in the
// system's device namespace. Pure code; names step by whole characters.
#pragma once
#include <string>

enum PathPlace { kPlaceLocal, kPlaceNetwork, kPlaceDevice };

// Two separators ('\' or '/', in any mix) begin a share (\\host\share,
// //host/share) or a device path (\\.\name, \\?\C:\x), as does the native
// form \??\; \\?\UNC\, \\.\UNC\ and \??\UNC\ reach a share. Anything else
// is on this machine: a drive (a letter the user mapped too), a name
// relative to a directory or to the current drive's root.
PathPlace PlaceOfPath(const char *path);

// The full path that name, looked up from the full path dir, stands for, as
// the system composes it, without touching any disk: '/' read as '\', empty
// and "." components dropped, ".." climbing one component but never above
// the root ("C:\", "\\host\share\"). A name with a root of its own keeps it
// (C:x takes dir's directory on dir's drive, the root on another); \x takes
// dir's root. Device paths stand as they are.
std::string ResolvePathLexically(const char *dir, const char *name);

// True when name, looked up from dir, would leave this machine: a network or
// device path itself, or a name that resolves to such a place outside dir
// (from a dir on a share, ..\..\other\x.bmp). A name that stays inside dir
// goes where dir is: beside a program run from a share it is found there.
bool LeavesForRemotePlace(const char *dir, const char *name);
