#pragma once
// A record property: the field F<name>, the getter <name>() and the setter Set<name>(), which stores
// the value unchanged. Declared in the order the fields are listed in each record class.
// clang-format off
#define ECONTAS_PROPRIEDADE(Tipo, nome)                        \
public:                                                        \
    const Tipo &nome() const { return F##nome; }               \
    void Set##nome(const Tipo &valor) { F##nome = valor; }     \
                                                               \
private:                                                       \
    Tipo F##nome{};
// clang-format on
