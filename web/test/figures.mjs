// How the benchmark sums up repeated readings: the median, and as the spread
// half the interquartile range, both robust to one reading taken in a busy
// spell of a shared machine.

// The q-quantile (0..1) of sorted numbers, between neighbours.
function quantile(sorted, q) {
    const at = (sorted.length - 1) * q;
    const below = Math.floor(at);
    const above = Math.min(below + 1, sorted.length - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - below);
}

// {median, spread, samples} of the readings, rounded to `digits` decimals.
export function summary(readings, digits = 1) {
    const round = (value) => Number(value.toFixed(digits));
    const sorted = [...readings].sort((a, b) => a - b);
    if (sorted.length === 0) {
        return { median: null, spread: null, samples: [] };
    }
    return {
        median: round(quantile(sorted, 0.5)),
        spread: round((quantile(sorted, 0.75) - quantile(sorted, 0.25)) / 2),
        samples: readings.map(round),
    };
}
