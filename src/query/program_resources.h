// Identifiers of the executable's resources, shared by sorvane.rc and the code. Plain
// preprocessor definitions, so that the resource compiler reads them too.
#pragma once

// The program's icon: the first icon group, so the file explorer shows it for the exe.
#define IDI_PROGRAM 1
