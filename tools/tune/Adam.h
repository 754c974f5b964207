// Adam steps for the fits of corvana-tune: only the weights a mini-batch touched move.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

struct Adam {
    std::vector<double> M, V;
    double Rate;
    int Steps = 0;
    Adam(std::size_t n, double rate)
        : M(n, 0.0)
        , V(n, 0.0)
        , Rate(rate)
    {
    }
    void Step(
        std::vector<double>& w, const std::vector<double>& g, const std::vector<char>& touched)
    {
        Begin();
        for (std::size_t i = 0; i < w.size(); ++i)
            if (touched[i])
                Move(w, g, i);
    }
    // The same for weights listed by index, when a batch touches few of many.
    void Step(std::vector<double>& w, const std::vector<double>& g,
        const std::vector<std::size_t>& touched)
    {
        Begin();
        for (const std::size_t i : touched)
            Move(w, g, i);
    }

private:
    double C1 = 1, C2 = 1;
    void Begin()
    {
        ++Steps;
        C1 = 1 - std::pow(0.9, Steps);
        C2 = 1 - std::pow(0.999, Steps);
    }
    void Move(std::vector<double>& w, const std::vector<double>& g, std::size_t i)
    {
        M[i] = 0.9 * M[i] + 0.1 * g[i];
        V[i] = 0.999 * V[i] + 0.001 * g[i] * g[i];
        w[i] -= Rate * (M[i] / C1) / (std::sqrt(V[i] / C2) + 1e-8);
    }
};
