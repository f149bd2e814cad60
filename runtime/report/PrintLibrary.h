#pragma once

namespace report
{

class PrintService;

// The Qt print service comes from a library of its own beside the program, so that Qt Print
// Support is loaded with the first print rather than at every start of the program.
inline constexpr char PrintLibraryName[] = "libtavimoorPrint.so";

// Its entry point, exported as extern "C": a new service, owned by the caller.
using MakePrintServiceFn = PrintService* (*)();
inline constexpr char MakePrintServiceEntry[] = "tavimoorMakePrintService";

} // namespace report
