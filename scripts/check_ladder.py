"""A reading of novem-batch --techniques records, independent of the engine: each record is
checked on the candidates left by the records before it. Its pattern must hold as claimed, and
each candidate it removes or digit it places must follow from the pattern by the technique's own
reasoning."""

BLOCKS = [[9 * (3 * (b // 3) + k // 3) + 3 * (b % 3) + k % 3 for k in range(9)] for b in range(9)]
ROWS = [[9 * r + c for c in range(9)] for r in range(9)]
COLUMNS = [[9 * r + c for r in range(9)] for c in range(9)]
REGIONS = BLOCKS + ROWS + COLUMNS
KINDS = {'block': 0, 'row': 9, 'column': 18}
SUBSET_SIZES = {'naked single': 1, 'naked pair': 2, 'naked triple': 3, 'naked quad': 4,
                'hidden single': 1, 'hidden pair': 2, 'hidden triple': 3, 'hidden quad': 4}


class Wrong(Exception):
    pass


def need(condition, what):
    if not condition:
        raise Wrong(what)


def cell_of(name):
    return 9 * (int(name[1]) - 1) + int(name[3]) - 1


def region_of(name):
    kind, number = name.split()
    return KINDS[kind] + int(number) - 1


def sees(a, b):
    return a != b and any(a in region and b in region for region in REGIONS)


def regions_with(*cells):
    return [region for region in REGIONS if all(cell in region for cell in cells)]


def candidate(node):
    return cell_of(node['cell']), node['digit']


class Ladder:
    def __init__(self, puzzle):
        self.cands = ([{int(c) for c in puzzle[9 * cell:9 * cell + 9] if c not in '.0'}
                       for cell in range(81)] if len(puzzle) == 729 else
                      [set(range(1, 10)) if c in '.0' else {int(c)} for c in puzzle])

    def places(self, region, digit):
        return [cell for cell in region if digit in self.cands[cell]]

    def weak(self, a, b):
        (ca, da), (cb, db) = a, b
        return (ca == cb and da != db) or (da == db and sees(ca, cb))

    def strong(self, a, b):
        (ca, da), (cb, db) = a, b
        if ca == cb:
            return da != db and self.cands[ca] == {da, db}
        return da == db and any(sorted(self.places(region, da)) == sorted([ca, cb])
                                for region in regions_with(ca, cb))

    def check(self, record):
        technique = record['technique']
        removed = {(cell_of(cell), digit) for cell, digits in record['removed']
                   for digit in digits}
        placed = {candidate(node) for node in record.get('placed', [])}
        for cell, digit in removed:
            need(digit in self.cands[cell], f'removes {digit} from r{cell // 9 + 1}c{cell % 9 + 1}, '
                 'which does not have it')
        if technique in SUBSET_SIZES or technique in ('pointing', 'claiming', 'naked single'):
            allowed = self.rule(record, technique)
        else:
            allowed = getattr(self, FAMILIES[technique])(record, placed)
        for cell, digit in removed:
            need((cell, digit) in allowed or any(cell == p and digit != d for p, d in placed),
                 f'removes {digit} from r{cell // 9 + 1}c{cell % 9 + 1} without reason')
        for cell, digits in record['removed']:
            self.cands[cell_of(cell)] -= set(digits)
        for cell, digit in placed:
            self.cands[cell] = {digit}

    def rule(self, record, technique):
        region = region_of(record['region'])
        cells = [cell_of(cell) for cell in record['cells']]
        digits = set(record['digits'])
        if 'crossing' in record:
            digit, = digits
            crossing = region_of(record['crossing'])
            places = self.places(REGIONS[region], digit)
            open_places = [cell for cell in places if len(self.cands[cell]) > 1]
            need(sorted(open_places or places) == sorted(cells), 'places differ')
            need(technique != 'hidden single' or len(open_places) == 1, 'no single open place')
            need(all(cell in REGIONS[crossing] for cell in cells), 'not in the crossing')
            return {(cell, digit) for cell in REGIONS[crossing] if cell not in REGIONS[region]}
        need(len(cells) == len(digits) == SUBSET_SIZES[technique], 'sizes differ')
        # Named by what it does on the open cells: decided cells and their digits don't count.
        decided = {cell for cell in REGIONS[region] if len(self.cands[cell]) == 1}
        taken = set().union(*(self.cands[cell] for cell in decided))
        if technique == 'naked single':
            need(all(cell in decided or self.cands[cell] - taken == digits for cell in cells),
                 'a naked single not decided')
            return {(cell, digit) for cell in REGIONS[region] if cell not in cells
                    for digit in digits | taken}
        need(not decided & set(cells), 'a decided cell in a subset')
        if technique.startswith('naked'):
            need(all(self.cands[cell] <= digits | taken for cell in cells), 'cells hold other digits')
            return {(cell, digit) for cell in REGIONS[region] if cell not in cells
                    for digit in digits | taken}
        need(all(set(self.places(REGIONS[region], digit)) <= set(cells) for digit in digits),
             'digits lie elsewhere')
        return {(cell, digit) for cell in cells for digit in range(1, 10) if digit not in digits}

    def fish(self, record, placed):
        digit, = record['digits']
        base = [region_of(name) for name in record['base']]
        cover = [region_of(name) for name in record['cover']]
        fins = [cell_of(cell) for cell in record['fins']]
        need(len(base) == len(cover), 'base and cover differ in size')
        inside = {cell for region in cover for cell in REGIONS[region]}
        base_cells = {cell for region in base for cell in REGIONS[region]}
        for region in base:
            for cell in self.places(REGIONS[region], digit):
                need(cell in inside or cell in fins, 'a base place outside the cover')
        need(all(cell in base_cells and digit in self.cands[cell] for cell in fins),
             'a fin outside the base')
        fin_blocks = {next(b for b in range(9) if cell in BLOCKS[b]) for cell in fins}
        need(len(fin_blocks) <= 1, 'fins in several blocks')
        return {(cell, digit) for cell in inside - base_cells
                if all(sees(cell, fin) for fin in fins)}

    def wing(self, record, placed):
        pincers = [cell_of(cell) for cell in record['pincers']]
        technique = record['technique']
        a, b = pincers
        if technique == 'W-wing':
            (c, x), (d, x2) = (candidate(node) for node in record['nodes'])
            need(x == x2 and self.strong((c, x), (d, x)), 'no strong link')
            need(self.cands[a] == self.cands[b] and len(self.cands[a]) == 2 and x in self.cands[a],
                 'the two cells differ')
            need((sees(c, a) and sees(d, b)) or (sees(c, b) and sees(d, a)),
                 'the link does not see both cells')
            y, = self.cands[a] - {x}
            return {(cell, y) for cell in range(81) if sees(cell, a) and sees(cell, b)}
        pivot = cell_of(record['pivot'])
        need(sees(pivot, a) and sees(pivot, b), 'a pincer does not see the pivot')
        need(len(self.cands[a]) == 2 and len(self.cands[b]) == 2, 'pincers with more digits')
        common = self.cands[a] & self.cands[b]
        need(len(common) == 1 and self.cands[a] != self.cands[b], 'pincers share no single digit')
        z, = common
        if technique == 'XY-wing':
            need(self.cands[pivot] == (self.cands[a] | self.cands[b]) - {z}, 'the pivot differs')
            return {(cell, z) for cell in range(81) if sees(cell, a) and sees(cell, b)}
        need(self.cands[pivot] == self.cands[a] | self.cands[b], 'the pivot differs')
        return {(cell, z) for cell in range(81)
                if sees(cell, a) and sees(cell, b) and sees(cell, pivot)}

    def colouring(self, record, placed):
        digit, = record['digits']
        colours = [[cell_of(cell) for cell in colour] for colour in record['colours']]
        cells = colours[0] + colours[1]
        colour_of = {cell: index for index, colour in enumerate(colours) for cell in colour}
        reached, frontier = {cells[0]}, [cells[0]]
        while frontier:
            cell = frontier.pop()
            for other in cells:
                if other not in reached and self.strong((cell, digit), (other, digit)):
                    need(colour_of[other] != colour_of[cell], 'a link within one colour')
                    reached.add(other)
                    frontier.append(other)
        need(reached == set(cells), 'the colours are not one cluster')
        allowed = set()
        for index, colour in enumerate(colours):
            if any(sees(a, b) for a in colour for b in colour):
                allowed |= {(cell, digit) for cell in colour}
        allowed |= {(cell, digit) for cell in range(81) if cell not in colour_of and
                    any(sees(cell, a) for a in colours[0]) and
                    any(sees(cell, b) for b in colours[1])}
        return allowed

    def chain(self, record, placed):
        nodes = [candidate(node) for node in record['nodes']]
        links = record['links']
        loop = len(links) == len(nodes)
        need(len(links) in (len(nodes) - 1, len(nodes)), 'links and nodes do not match')
        for index, link in enumerate(links):
            a, b = nodes[index], nodes[(index + 1) % len(nodes)]
            need(self.strong(a, b) if link == 'strong' else self.weak(a, b),
                 f'link {index} is not {link}')
            need(link == ('strong' if index % 2 == 0 else 'weak'), 'links do not alternate')
        need(links[0] == 'strong' and links[len(nodes) - 2] == 'strong', 'ends are not strong')
        first, last = nodes[0], nodes[-1]
        if first == last:
            need(placed == {first}, 'a discontinuous loop places its candidate')
            return set()
        allowed = {(cell, digit) for cell in range(81) for digit in self.cands[cell]
                   if (cell, digit) not in nodes and self.weak((cell, digit), first) and
                   self.weak((cell, digit), last)}
        if loop:
            need(links[-1] == 'weak', 'a loop closes with a weak link')
            for index, link in enumerate(links):
                if link != 'weak':
                    continue
                (ca, da), (cb, db) = nodes[index], nodes[(index + 1) % len(nodes)]
                if ca == cb:
                    allowed |= {(ca, digit) for digit in self.cands[ca] - {da, db}}
                else:
                    allowed |= {(cell, da) for cell in range(81)
                                if cell not in (ca, cb) and sees(cell, ca) and sees(cell, cb)}
        return allowed

    def als(self, record, placed):
        sets = [[cell_of(cell) for cell in cells] for cells in record['sets']]
        restricted = record['restricted']
        digits = []
        for cells in sets:
            need(regions_with(*cells), 'a set outside one region')
            union = set().union(*(self.cands[cell] for cell in cells))
            need(len(union) == len(cells) + 1 and all(len(self.cands[c]) > 1 for c in cells),
                 'a set that is not almost locked')
            digits.append(union)
        need(all(not set(a) & set(b) for i, a in enumerate(sets) for b in sets[i + 1:]),
             'sets overlap')

        def is_restricted(x, one, other):
            xs = [cell for cell in sets[one] if x in self.cands[cell]]
            ys = [cell for cell in sets[other] if x in self.cands[cell]]
            return xs and ys and all(sees(a, b) for a in xs for b in ys)

        if record['technique'] == 'ALS-XZ':
            x, = restricted
            need(is_restricted(x, 0, 1), 'the digit is not restricted')
            used = {x}
        else:
            x, y = restricted
            need(x != y and is_restricted(x, 0, 2) and is_restricted(y, 1, 2),
                 'the pivot is not linked to both')
            used = {x, y}
        allowed = set()
        for z in (digits[0] & digits[1]) - used:
            zs = [cell for cells in sets[:2] for cell in cells if z in self.cands[cell]]
            allowed |= {(cell, z) for cell in range(81) if cell not in sum(sets, []) and
                        all(sees(cell, other) for other in zs)}
        return allowed

    def grave_digits(self):
        """By cell, the digits that break the grave: a digit with other than two places in a
        region belongs to the one place there with more than two candidates."""
        graves = {cell: set() for cell in range(81)}
        for region in REGIONS:
            for digit in range(1, 10):
                places = [cell for cell in region
                          if len(self.cands[cell]) > 1 and digit in self.cands[cell]]
                wide = [cell for cell in places if len(self.cands[cell]) > 2]
                if len(places) not in (0, 2) and len(wide) == 1:
                    graves[wide[0]].add(digit)
        return graves

    def uniqueness(self, record, placed):
        """Its removals rest on the puzzle having one solution, which the solution check holds
        them against; here the pattern must be the one claimed."""
        pair = set(record['digits'])
        kind = record['type']
        extra = {cell_of(cell): set(digits) for cell, digits in record['candidates']}
        if record['technique'] == 'bivalue universal grave':
            need(all(len(self.cands[cell]) > 2 for cell in extra), 'a grave cell with two digits')
            need(all(len(self.cands[cell]) == 2 for cell in range(81)
                     if len(self.cands[cell]) > 1 and cell not in extra),
                 'an open cell outside the grave with more than two digits')
            seeing = {cell for cell in range(81) if all(sees(cell, other) for other in extra)}
            if kind == 1:
                (cell, digits), = extra.items()
                return {(cell, digit) for digit in digits - pair}
            if kind == 2:
                return {(cell, digit) for cell in seeing for digit in pair}
            if kind == 4:
                graves = self.grave_digits()
                kept = set(record['subsetDigits'])
                need(len(extra) == 2 and regions_with(*extra) and
                     all(kept <= digits for digits in extra.values()),
                     'a type 4 without two cells of a region sharing its digit')
                return {(cell, digit) for cell in extra
                        for digit in extra[cell] - graves[cell] - kept}
            return {(cell, digit) for cell in seeing for digit in set(record['subsetDigits'])}
        loop = [cell_of(cell) for cell in record['loop']]
        need(len(loop) % 2 == 0 and len(loop) >= 4 and len(set(loop)) == len(loop),
             'a loop of an odd or too small number of cells')
        need(all(pair <= self.cands[cell] for cell in loop), 'a loop cell without both digits')
        for index, cell in enumerate(loop):
            need(regions_with(cell, loop[(index + 1) % len(loop)]), 'loop cells not linked')
        for region in REGIONS:
            inside = [index for index, cell in enumerate(loop) if cell in region]
            need(len(inside) in (0, 2) and (not inside or inside[0] % 2 != inside[1] % 2),
                 'a region the loop does not pass twice, once each way')
        extras = [cell for cell in loop if len(self.cands[cell]) > 2]
        need(set(extras) == set(extra), 'the extra cells differ')
        if kind == 1:
            need(len(extras) == 1, 'a type 1 with several extra cells')
            return {(extras[0], digit) for digit in pair}
        if kind == 2:
            others = set().union(*(self.cands[cell] for cell in extras)) - pair
            need(len(others) == 1, 'a type 2 with several extra digits')
            return {(cell, digit) for cell in range(81) for digit in others
                    if cell not in extras and all(sees(cell, other) for other in extras)}
        need(len(extras) == 2, 'a type 3 or 4 without two extra cells')
        shared = regions_with(*extras)
        if kind == 4:
            kept = pair & set(record['subsetDigits'])
            need(len(kept) == 1 and any(
                all(cell in extras or not kept & self.cands[cell] for cell in region)
                for region in (REGIONS[r] for r in range(27) if REGIONS[r] in shared)),
                'no region where a digit of the pair is locked in the extra cells')
            return {(cell, digit) for cell in extras for digit in pair - kept}
        subset = [cell_of(cell) for cell in record['subset']]
        digits = set(record['subsetDigits'])
        need(any(all(cell in region for cell in subset) for region in shared),
             'the subset is not in a region of both extra cells')
        if record['hidden']:
            return {(cell, digit) for cell in subset for digit in self.cands[cell] - digits}
        region = next(region for region in shared if all(cell in region for cell in subset))
        need(set().union(*(self.cands[cell] for cell in subset)) | (
            set().union(*(self.cands[cell] for cell in extras)) - pair) <= digits,
             'the subset holds other digits')
        return {(cell, digit) for cell in region if cell not in subset + extras
                for digit in digits}

    def exclusion(self, record, placed):
        cells = [cell_of(cell) for cell, _ in record['candidates']]
        excluders = [cell_of(cell) for cell in record['excluders']]
        need(all(sees(excluder, cell) for excluder in excluders for cell in cells),
             'an excluder that does not see every cell')
        need(all(len(self.cands[excluder]) <= len(cells) for excluder in excluders),
             'an excluder of too many digits')

        def allowed(combination):
            if any(a == b and sees(cells[i], cells[j]) for i, a in enumerate(combination)
                   for j, b in enumerate(combination) if i < j):
                return False
            return not any(self.cands[excluder] <= set(combination) for excluder in excluders)

        kept = [set() for _ in cells]
        combinations = [[]]
        for cell in cells:
            combinations = [c + [digit] for c in combinations for digit in self.cands[cell]]
        for combination in combinations:
            if allowed(combination):
                for index, digit in enumerate(combination):
                    kept[index].add(digit)
        return {(cell, digit) for index, cell in enumerate(cells)
                for digit in self.cands[cell] - kept[index]}

    def forcing(self, record, placed):
        branches = record['branches']
        if 'forcingCell' in record:
            cell = cell_of(record['forcingCell'])
            choices = {(cell, digit) for digit in self.cands[cell]}
        elif 'forcingRegion' in record:
            digit, = record['digits']
            choices = {(cell, digit)
                       for cell in self.places(REGIONS[region_of(record['forcingRegion'])], digit)}
        else:
            need(len(branches) == 1 and branches[0]['contradiction'],
                 'a contradiction chain without its contradiction')
            self.follow(branches[0], {})
            return {candidate(branches[0]['assume'])}
        need({candidate(branch['assume']) for branch in branches} == choices,
             'the branches are not every choice')
        open_branches = []
        for branch in branches:
            facts = self.follow(branch, {})
            if not branch['contradiction']:
                open_branches.append(facts)
        need(open_branches, 'every branch contradicts')
        allowed = {(cell, digit) for cell in range(81) for digit in self.cands[cell]
                   if all(facts.get((cell, digit)) is False for facts in open_branches)}
        for cell, digit in placed:
            need(all(facts.get((cell, digit)) is True for facts in open_branches),
                 'a placement not true in every branch')
        return allowed

    def follow(self, branch, outer):
        """Each implication of a branch must follow from the assumption and those before it, on
        what the branch it is nested in knows (`outer`): by a single, by a placed digit, by
        locked candidates, by a naked or hidden pair, or by a nested branch of its own that ends
        in a contradiction."""
        facts = dict(outer)
        facts[candidate(branch['assume'])] = True

        def alive(cell, digit):
            return digit in self.cands[cell] and facts.get((cell, digit)) is not False

        def locked(cell, digit):
            for block in BLOCKS:
                for line in ROWS + COLUMNS:
                    if not set(block) & set(line):
                        continue
                    for confining, other in ((block, line), (line, block)):
                        places = [c for c in confining if alive(c, digit)]
                        if (cell in other and cell not in confining and places and
                                all(c in other for c in places)):
                            return True
            return False

        def alive_digits(cell):
            return {d for d in range(1, 10) if alive(cell, d)}

        def paired(cell, digit):
            for region in regions_with(cell):
                twos = [c for c in region if c != cell and len(alive_digits(c)) == 2 and
                        digit in alive_digits(c)]
                if any(alive_digits(a) == alive_digits(b) for i, a in enumerate(twos)
                       for b in twos[i + 1:]):
                    return True
                places = {d: [c for c in region if alive(c, d)] for d in range(1, 10)
                          if d != digit}
                if any(len(places[a]) == 2 and cell in places[a] and places[a] == places[b]
                       for a in places for b in places if a < b):
                    return True
            return False

        for implication in branch['implications']:
            cell, digit = candidate(implication)
            if implication['on']:
                alone_in_cell = [d for d in range(1, 10) if alive(cell, d)] == [digit]
                alone_in_region = any([c for c in region if alive(c, digit)] == [cell]
                                      for region in regions_with(cell))
                need(alive(cell, digit) and (alone_in_cell or alone_in_region),
                     f'{digit}r{cell // 9 + 1}c{cell % 9 + 1} does not follow')
                facts[(cell, digit)] = True
                continue
            nested = implication.get('nested')
            if nested:
                need(candidate(nested['assume']) == (cell, digit) and nested['contradiction'],
                     f'not {digit}r{cell // 9 + 1}c{cell % 9 + 1}: its nested branch does not '
                     'contradict it')
                self.follow(nested, facts)
            else:
                need(any(on and self.weak((cell, digit), other) for other, on in facts.items())
                     or locked(cell, digit) or paired(cell, digit),
                     f'not {digit}r{cell // 9 + 1}c{cell % 9 + 1} does not follow')
            facts[(cell, digit)] = False
        if branch['contradiction']:
            ons = [key for key, on in facts.items() if on]
            empty_cell = any(not any(alive(cell, d) for d in range(1, 10)) for cell in range(81))
            empty_region = any(not any(alive(c, d) for c in region)
                               for region in REGIONS for d in range(1, 10))
            clash = any(self.weak(a, b) for a in ons for b in ons)
            need(empty_cell or empty_region or clash, 'no contradiction')
        return facts


FAMILIES = {}
for name in ('X-wing', 'swordfish', 'jellyfish', 'finned X-wing', 'finned swordfish',
             'finned jellyfish', 'sashimi X-wing', 'sashimi swordfish', 'sashimi jellyfish'):
    FAMILIES[name] = 'fish'
for name in ('XY-wing', 'XYZ-wing', 'W-wing'):
    FAMILIES[name] = 'wing'
for name in ('colour trap', 'colour wrap'):
    FAMILIES[name] = 'colouring'
for name in ('skyscraper', 'two-string kite', 'turbot fish', 'X-chain', 'XY-chain',
             'alternating inference chain', 'continuous nice loop', 'discontinuous nice loop'):
    FAMILIES[name] = 'chain'
for name in ('ALS-XZ', 'ALS-XY-wing'):
    FAMILIES[name] = 'als'
for name in ('unique rectangle', 'unique loop', 'bivalue universal grave'):
    FAMILIES[name] = 'uniqueness'
for name in ('aligned pair exclusion', 'aligned triplet exclusion'):
    FAMILIES[name] = 'exclusion'
for name in ('cell forcing chain', 'region forcing chain', 'dynamic contradiction chain',
             'dynamic cell forcing chain', 'dynamic region forcing chain',
             'nested contradiction chain', 'dynamic nested contradiction chain'):
    FAMILIES[name] = 'forcing'


def check(engine, solution=None):
    """Checks one puzzle's records, and that none removes a digit of its solution when one is
    given; the number checked, or Wrong with where."""
    ladder = Ladder(engine['puzzle'])
    for index, record in enumerate(engine['explanation']):
        try:
            ladder.check(record)
            for cell, digits in record['removed'] if solution else []:
                need(int(solution[cell_of(cell)]) not in digits,
                     f'removes the solution\'s digit from {cell}')
        except Wrong as wrong:
            raise Wrong(f"record {index} (step {record['step']}, {record['technique']}): "
                        f'{wrong}') from None
    return len(engine['explanation'])
