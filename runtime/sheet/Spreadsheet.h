#pragma once

#include <QString>

namespace com
{
class ComponentRegistry;
}

namespace sheet
{

// The spreadsheet application's ProgID.
QString progId();

// Registers the spreadsheet application with the component registry, to be created by ProgID.
void registerSpreadsheet(com::ComponentRegistry& registry);

} // namespace sheet
