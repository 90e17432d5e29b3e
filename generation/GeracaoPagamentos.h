#pragma once
// The lowest level of the generation walk, run for every staff member the staff walk accepts, with
// Econtas010, EContas020 and Econtas040 on his rows: his bonus and discount items and payments (043 and
// 041, for the month's sheet and the 13th-salary sheets) and then his per-diems (042).
struct TEstadoEcontas;
struct TContextoGeracao;

void GerarArquivoEcontas43(TEstadoEcontas &estado, TContextoGeracao &contexto);
void GerarArquivoEcontas42(TEstadoEcontas &estado, TContextoGeracao &contexto);
