#pragma once
// A growing array kept in pieces of a fixed size: appending never moves what is stored, so a large row
// set grows without the moment where a vector holds its old and its doubled copy at once, and without
// the unused half a doubled vector may keep. The first piece grows as a vector does, so a set of a few
// rows costs no more than a vector.
#include <cstddef>
#include <utility>
#include <vector>

template <typename T> class VetorEmPedacos {
public:
    void push_back(T valor)
    {
        if (m_pedacos.empty() || m_pedacos.back().size() == TamanhoPedaco) {
            m_pedacos.emplace_back();
            if (m_pedacos.size() > 1)
                m_pedacos.back().reserve(TamanhoPedaco);
        }
        m_pedacos.back().push_back(std::move(valor));
        ++m_tamanho;
    }
    const T &operator[](std::size_t i) const { return m_pedacos[i >> BitsPorPedaco][i & Mascara]; }
    std::size_t size() const { return m_tamanho; }

private:
    static constexpr int BitsPorPedaco = 15;
    static constexpr std::size_t TamanhoPedaco = std::size_t(1) << BitsPorPedaco;
    static constexpr std::size_t Mascara = TamanhoPedaco - 1;

    std::vector<std::vector<T>> m_pedacos;
    std::size_t m_tamanho = 0;
};
