#pragma once
// The third level of the generation walk, for the budget unit on which EContas020 stands: its positions
// (record 030) and its staff (record 040), each accepted staff member followed by his payments, items
// and per-diems.
struct TEstadoEcontas;
struct TContextoGeracao;

void GerarArquivoEcontas_30(TEstadoEcontas &estado, TContextoGeracao &contexto);
void GerarArquivoEcontas_40(TEstadoEcontas &estado, TContextoGeracao &contexto);
