// The log files of the tool's data folder, as the service tool and hvx40ctl both write them.
#pragma once

// Points AddLog at the log files of the tool's data folder ("Mek for HVX-40"); once at start-up.
void InstallLogBook();
