// The name rules of the Save As and Add dialogs: placeholder until they land.
#pragma once
