#pragma once
// The Firebird engine reads the clock through localtime() on every request it runs. With TZ unset, the
// C library then looks at /etc/localtime on disk each time: hundreds of thousands of file checks in a
// large generation, about a tenth of its time. Naming that same zone file in TZ keeps the local time
// unchanged and lets the library keep the zone it has read. A TZ the user set is left alone.
//
// Call it first thing in main, before any thread runs (the environment is not thread-safe).
void FixarFusoHorarioDoProcesso();
