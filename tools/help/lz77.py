"""The LZ77 variant of help files: a flag byte announces the next eight items, least
significant bit first; a clear bit is one literal byte, a set bit a 16-bit little-endian code
whose low 12 bits hold the distance back minus one and whose high 4 bits the length minus three.
Matches may overlap the bytes they produce, so runs compress well.
"""

WINDOW = 4096
MIN_MATCH = 3
MAX_MATCH = 18
# Candidates tried per position: enough for text, and it keeps the compressor linear.
MAX_CANDIDATES = 48


def compress(data, marks=None):
    """Greedy longest-match compression; the same input always gives the same bytes. When
    marks is a list, it receives (input bytes consumed, output bytes written) after each item,
    so a caller can tell how long the compressed form of any prefix is, give or take the last
    item (a match cut short at the prefix's end turns into at most three literal bytes)."""
    data = bytes(data)
    n = len(data)
    out = bytearray()
    keys = [(data[p] << 16) | (data[p + 1] << 8) | data[p + 2] for p in range(n - 2)]
    chains = {}
    flags_at = -1
    bit = 8
    i = 0
    while i < n:
        if bit == 8:
            flags_at = len(out)
            out.append(0)
            bit = 0
        best_len, best_dist = 0, 0
        if i < n - 2:
            candidates = chains.get(keys[i])
            if candidates:
                limit = min(MAX_MATCH, n - i)
                tried = 0
                for k in range(len(candidates) - 1, -1, -1):
                    start = candidates[k]
                    dist = i - start
                    if dist > WINDOW:
                        break
                    length = MIN_MATCH
                    while length < limit and data[start + length] == data[i + length]:
                        length += 1
                    if length > best_len:
                        best_len, best_dist = length, dist
                        if length == limit:
                            break
                    tried += 1
                    if tried >= MAX_CANDIDATES:
                        break
        step = best_len if best_len >= MIN_MATCH else 1
        if best_len >= MIN_MATCH:
            code = ((best_len - MIN_MATCH) << 12) | (best_dist - 1)
            out[flags_at] |= 1 << bit
            out.append(code & 0xFF)
            out.append(code >> 8)
        else:
            out.append(data[i])
        for pos in range(i, min(i + step, n - 2)):
            chain = chains.get(keys[pos])
            if chain is None:
                chains[keys[pos]] = [pos]
            else:
                chain.append(pos)
        i += step
        bit += 1
        if marks is not None:
            marks.append((i, len(out)))
    return bytes(out)


def decompress(data):
    """Expands the whole input (trailing zero bytes expand to literal zeros, as readers do)."""
    out = bytearray()
    i = 0
    n = len(data)
    while i < n:
        flags = data[i]
        i += 1
        for bit in range(8):
            if i >= n:
                break
            if flags & (1 << bit):
                if i + 1 >= n:
                    raise ValueError("LZ77 code cut short")
                code = data[i] | (data[i + 1] << 8)
                i += 2
                dist = (code & 0x0FFF) + 1
                length = (code >> 12) + MIN_MATCH
                if dist > len(out):
                    raise ValueError("LZ77 distance reaches before the start")
                for _ in range(length):
                    out.append(out[-dist])
            else:
                out.append(data[i])
                i += 1
    return bytes(out)
