#pragma once
// Each record object as the row of its work table, column by column: the one place where a record's
// properties meet the table's columns and the forms the rows are stored in.
#include "econtas/TabelasTrabalho.h"
#include "econtas/uEContas10.h"
#include "econtas/uEContas20.h"
#include "econtas/uEContas30.h"
#include "econtas/uEContas40.h"
#include "econtas/uEContas41.h"
#include "econtas/uEContas42.h"
#include "econtas/uEContas43.h"

LinhaTrabalho Linha(const TEContas10 &r);
LinhaTrabalho Linha(const TEContas20 &r);
LinhaTrabalho Linha(const TEContas30 &r);
LinhaTrabalho Linha(const TEContas40 &r);
LinhaTrabalho Linha(const TEContas41 &r);
LinhaTrabalho Linha(const TEContas42 &r);
LinhaTrabalho Linha(const TEContas43 &r);
