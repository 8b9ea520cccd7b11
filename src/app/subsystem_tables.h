#pragma once
// The system tables of every subsystem, registered once before the main
// window opens any of them.
namespace pc::app {

void registerSubsystemTables();

}  // namespace pc::app
