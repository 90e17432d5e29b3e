#pragma once
// The two outer levels of the generation walk: managing units (record 010) and, for each, its budget
// units (record 020), under which the positions and staff are walked.
struct TEstadoEcontas;
struct TContextoGeracao;

void GerarArquivoEcontas_10(TEstadoEcontas &estado, TContextoGeracao &contexto);
// Budget units of the managing unit on which Econtas010 stands.
void GerarArquivoEcontas_20(TEstadoEcontas &estado, TContextoGeracao &contexto);
