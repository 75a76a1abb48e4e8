// Shared helpers of the Windows-side tests.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "../../state/appstate.h"
#include "msgbox_script.h"

// Runs as the given edition, with its display name as box caption.
void UseEdition(int edition);
// A new empty directory under the temporary directory (ends in '\').
std::string TestDir(const std::string &name);
std::string ReadFileBytes(const std::string &path);
bool WriteFileBytes(const std::string &path, const std::string &bytes);
bool PathExists(const std::string &path);
int CountFiles(const std::string &pattern);
bool JapaneseCodePage();
std::string CurrentTestName();
