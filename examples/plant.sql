-- The sample workspace of the demo host: a small process plant.
--
-- The demo host runs this script once, inside one transaction, to create its workspace database in the
-- user's data folder; edit it freely and delete that database to start again. Afterwards the host replaces
-- {SYMBOL_ROOT} in objects.symbol and objects.map_symbol by the absolute path of examples/symbols.
--
-- Symbol paths use "\" between folders. The symbols of the objects come in every form a host hands over:
-- absolute ({SYMBOL_ROOT}\...), relative to the symbol root, with a leading "\\", naming a folder that no
-- longer exists (the file is found by its name in a sub-folder), and missing altogether.

CREATE TABLE meta (
    key   TEXT PRIMARY KEY,
    value TEXT NOT NULL
);

CREATE TABLE organisations (
    id       INTEGER PRIMARY KEY,
    position INTEGER NOT NULL,
    name     TEXT NOT NULL
);

-- follows_diagram: the view shows the objects of the drawing it was last pointed at (plot areas).
CREATE TABLE views (
    id              INTEGER PRIMARY KEY,
    organisation_id INTEGER NOT NULL REFERENCES organisations (id) ON DELETE CASCADE,
    position        INTEGER NOT NULL,
    name            TEXT NOT NULL,
    diagram_class   TEXT NOT NULL DEFAULT '',
    follows_diagram INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE objects (
    id            INTEGER PRIMARY KEY,
    tag           TEXT NOT NULL,
    type          TEXT NOT NULL,
    symbol        TEXT NOT NULL DEFAULT '',
    from_id       INTEGER REFERENCES objects (id) ON DELETE SET NULL,
    to_id         INTEGER REFERENCES objects (id) ON DELETE SET NULL,
    map_reference TEXT NOT NULL DEFAULT '',
    map_symbol    TEXT NOT NULL DEFAULT '',
    description   TEXT NOT NULL DEFAULT ''
);

CREATE TABLE view_objects (
    view_id   INTEGER NOT NULL REFERENCES views (id) ON DELETE CASCADE,
    object_id INTEGER NOT NULL REFERENCES objects (id) ON DELETE CASCADE,
    PRIMARY KEY (view_id, object_id)
);

CREATE TABLE diagrams (
    id            INTEGER PRIMARY KEY,
    name          TEXT NOT NULL,
    diagram_class TEXT NOT NULL
);

CREATE TABLE diagram_objects (
    diagram_id INTEGER NOT NULL REFERENCES diagrams (id) ON DELETE CASCADE,
    object_id  INTEGER NOT NULL REFERENCES objects (id) ON DELETE CASCADE,
    PRIMARY KEY (diagram_id, object_id)
);

-- Objects -------------------------------------------------------------------------------------------------

INSERT INTO objects (id, tag, type, symbol, map_reference, map_symbol, description) VALUES
    (101, 'P-101', 'Pump', '{SYMBOL_ROOT}\Pumps\Centrifugal.sym', 'A1', 'Blocks\Pumps\CentrifugalBlock.sym',
     'Feed pump'),
    (102, 'P-102', 'Pump', 'Pumps\Reciprocating.sym', 'A2', '\Blocks\Pumps\ReciprocatingBlock.sym',
     'Reflux pump'),
    (103, 'P-103', 'Pump', '\\Pumps\Metering.sym', 'A3', '', 'Inhibitor dosing pump'),
    (104, 'P-104', 'Pump', 'Pumps\Obsolete Pump.sym', 'A4', '', 'Spare pump, symbol withdrawn'),
    (105, 'V-201', 'Vessel', '{SYMBOL_ROOT}\Vessels\Drum.sym', 'B1', 'Blocks\Vessels\DrumBlock.sym',
     'Feed surge drum'),
    (106, 'C-202', 'Column', 'Vessels\Column.sym', 'B2', 'Blocks\Vessels\ColumnBlock.sym', 'Stabiliser'),
    (107, 'T-203', 'Tank', 'Vessels\Tank.sym', 'B3', '', 'Product tank'),
    (108, 'R-204', 'Reactor', '\\{SYMBOL_ROOT}\Vessels\Reactor.sym', 'B4', 'Blocks\Reactors\ReactorBlock.sym',
     'Hydrotreater'),
    (109, 'E-301', 'Exchanger', 'Legacy\ShellTube.sym', 'C1', 'Blocks\Exchangers\HeatExchangerBlock.sym',
     'Feed/effluent exchanger'),
    (110, 'E-302', 'Exchanger', 'Exchangers\Plate.sym', 'C2', '', 'Trim cooler'),
    (111, 'E-303', 'AirCooler', 'Exchangers\AirCooler.sym', 'C3', '', 'Overhead condenser'),
    (112, 'S-205', 'Separator', 'Vessels\Separator.sym', 'B5', '', 'Product separator'),
    (113, 'P-105', 'Pump', 'Pumps\Gear.sym', 'A5', '', 'Lube oil pump'),
    (114, 'XV-401', 'Valve', 'Valves\Gate.sym', 'D1', '', 'Feed isolation'),
    (115, 'XV-402', 'Valve', 'Valves\Globe.sym', 'D2', '', 'Bypass'),
    (116, 'NRV-403', 'Valve', 'Valves\Check.sym', 'D3', '', 'Pump discharge check valve'),
    (117, 'FCV-404', 'ControlValve', 'Valves\Control\Pneumatic.sym', 'D4', '', 'Feed flow control'),
    (118, 'MOV-405', 'Valve', 'Valves\Control\Motorised.sym', 'D5', '', 'Emergency shutdown valve'),
    (119, 'PSV-406', 'ReliefValve', 'Valves\Relief\Safety.sym', 'D6', '', 'Reactor relief'),
    (120, 'FT-501', 'Instrument', 'Instruments\Flow.sym', 'E1', '', 'Feed flow'),
    (121, 'LT-502', 'Instrument', 'Instruments\Level.sym', 'E2', '', 'Drum level'),
    (122, 'PT-503', 'Instrument', 'Instruments\Pressure.sym', 'E3', '', 'Reactor pressure'),
    (123, 'TT-504', 'Instrument', 'Instruments\Temperature.sym', 'E4', '', 'Reactor outlet temperature'),
    (124, 'XV-407', 'Valve', 'C:\Old Library\Valves\Butterfly.sym', 'D7', '', 'Drain valve, symbol missing'),
    (125, 'HX-901', 'Exchanger', '', 'C9', '', 'Future exchanger, no symbol yet');

-- Connections name the objects at their ends.
INSERT INTO objects (id, tag, type, symbol, from_id, to_id, map_reference, description) VALUES
    (201, 'L-1001', 'Pipe', 'Lines\Process Line.sym', 105, 101, 'F1', 'Drum to feed pump'),
    (202, 'L-1002', 'Pipe', 'Lines\Utility Line.sym', 101, 109, 'F2', 'Feed pump to exchanger'),
    (203, 'L-1003', 'Pipe', 'Lines\Steam Line.sym', 109, 106, 'F3', 'Exchanger to stabiliser'),
    (204, 'L-1004', 'Pipe', 'Lines\Cooling Water Line.sym', 110, 111, 'F4', 'Cooling water'),
    (205, 'S-1005', 'SignalLine', 'Lines\Signal Line.sym', 120, 117, 'F5', 'Flow signal to control valve');

-- Nodes join connections; the stock pile does not list them.
INSERT INTO objects (id, tag, type, symbol, map_reference, description) VALUES
    (301, 'N-01', 'Node', 'Nodes\Node.sym', 'G1', 'Branch'),
    (302, 'N-02', 'PipeNode', 'Nodes\PipeNode.sym', 'G2', 'Pipe junction');

-- Organisations and their views ---------------------------------------------------------------------------

INSERT INTO organisations (id, position, name) VALUES
    (1, 1, 'By System'),
    (2, 2, 'By Plot Area'),
    (3, 3, 'By Work Pack');

INSERT INTO views (id, organisation_id, position, name, diagram_class, follows_diagram) VALUES
    (1, 1, 1, 'All Objects', 'PFD', 0),
    (2, 1, 2, 'All UO Objects', 'Sim', 0),
    (3, 1, 3, 'Feed Section', 'PFD', 0),
    (4, 1, 4, 'Heat Recovery', 'PFD', 0),
    (5, 1, 5, 'Instrumentation', 'PPID', 0),
    (6, 1, 6, 'Simulation Flowsheet', 'Sim', 0),
    (7, 1, 7, 'Legacy Import', 'PFD', 0),
    (11, 2, 1, 'Area 100 - Feed', 'PFD', 1),
    (12, 2, 2, 'Area 200 - Reaction', 'PFD', 1),
    (13, 2, 3, 'Area 300 - Utilities', 'PPID', 1);

-- Enough work packs to need several pages of view tabs: WP-001 to WP-320.
INSERT INTO views (id, organisation_id, position, name, diagram_class, follows_diagram)
WITH RECURSIVE pack (n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM pack WHERE n < 320)
SELECT 1000 + n, 3, n, printf('WP-%03d', n), 'PFD', 0 FROM pack;

-- The objects whose symbols came over from an old library (two of them cannot be found any more) are kept in
-- "Legacy Import" only, where the conversion report belongs; every other view lists clean objects.
INSERT INTO view_objects (view_id, object_id) SELECT 1, id FROM objects WHERE id NOT IN (104, 124);
INSERT INTO view_objects (view_id, object_id) SELECT 2, id FROM objects WHERE id BETWEEN 101 AND 113 AND id <> 104;
INSERT INTO view_objects (view_id, object_id)
    SELECT 3, id FROM objects WHERE id IN (101, 102, 103, 105, 114, 115, 117, 201, 301);
INSERT INTO view_objects (view_id, object_id)
    SELECT 4, id FROM objects WHERE id IN (109, 110, 111, 202, 203, 204, 302);
INSERT INTO view_objects (view_id, object_id)
    SELECT 5, id FROM objects WHERE id IN (117, 118, 119, 120, 121, 122, 123, 205);
INSERT INTO view_objects (view_id, object_id) SELECT 6, id FROM objects WHERE id IN (101, 105, 106, 108, 109);
INSERT INTO view_objects (view_id, object_id) SELECT 7, id FROM objects WHERE id IN (104, 109, 124);
INSERT INTO view_objects (view_id, object_id)
    SELECT 11, id FROM objects WHERE id IN (101, 102, 103, 105, 114, 115, 116, 201, 301);
INSERT INTO view_objects (view_id, object_id)
    SELECT 12, id FROM objects WHERE id IN (106, 107, 108, 112, 117, 118, 119, 203);
INSERT INTO view_objects (view_id, object_id)
    SELECT 13, id FROM objects WHERE id IN (109, 110, 111, 113, 120, 121, 122, 123, 202, 204, 302);
-- Each work pack takes every fourth piece of equipment, starting at a different one.
INSERT INTO view_objects (view_id, object_id)
    SELECT v.id, o.id FROM views v JOIN objects o
    WHERE v.organisation_id = 3 AND o.id BETWEEN 101 AND 123 AND o.id <> 104 AND (o.id + v.position) % 4 = 0;

-- Drawings --------------------------------------------------------------------------------------------------

INSERT INTO diagrams (id, name, diagram_class) VALUES
    (1001, 'PFD-100 Feed', 'PFD'),
    (1002, 'PFD-200 Reaction', 'PFD'),
    (1003, 'PPID-300 Utilities', 'PPID'),
    (1004, 'SIM-01 Flowsheet', 'Sim');

INSERT INTO diagram_objects (diagram_id, object_id)
    SELECT 1001, id FROM objects WHERE id IN (101, 102, 103, 105, 114, 115, 116, 201);
INSERT INTO diagram_objects (diagram_id, object_id)
    SELECT 1002, id FROM objects WHERE id IN (106, 107, 108, 112, 117, 118, 119, 203);
INSERT INTO diagram_objects (diagram_id, object_id)
    SELECT 1003, id FROM objects WHERE id IN (109, 110, 111, 113, 120, 121, 122, 123, 202, 204);
INSERT INTO diagram_objects (diagram_id, object_id) SELECT 1004, id FROM objects WHERE id IN (101, 105, 106, 108, 109);
