// Delete Color Set: removes the selected entry's file after a question.
#pragma once
#include "command.h"

void DeleteColorSetCommand(const CommandArgs &args);
