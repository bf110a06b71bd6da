import QtQuick
import QtTest
import "qrc:/Tessaval/qml/components/population_template.js" as Template

TestCase {
    name: "PopulationTemplate"

    function folderNamed(nodes, name) {
        for (let i = 0; i < nodes.length; ++i)
            if (nodes[i].name === name)
                return nodes[i]
        return null
    }

    function leaves(nodes, path, out) {
        for (const n of nodes) {
            const here = path === "" ? n.name : path + " / " + n.name
            if (n.children !== undefined)
                leaves(n.children, here, out)
            else
                out.push({ path: here, value: n.value })
        }
        return out
    }

    function test_tableChoice_data() {
        return [
            { tag: "tight", name: "Passive tight (VPIP 18\u201325)", passive: "tight" },
            { tag: "neutral", name: "Passive neutral (VPIP 25\u201335)", passive: "neutral" },
            { tag: "loose in capitals", name: "PASSIVE LOOSE", passive: "loose" },
            { tag: "extreme", name: "Extreme loose (VPIP 45\u201365)", passive: "extreme" },
            { tag: "unknown", name: "Calling station", passive: "neutral" },
            { tag: "empty", name: "", passive: "neutral" },
            { tag: "maniac", name: "Maniac (VPIP 45\u201370)", aggressive: "maniac" },
            { tag: "maniac any case", name: "little MANIAC", aggressive: "maniac" },
            { tag: "standard LAG", name: "Standard LAG (VPIP 28\u201340)", aggressive: "lag" },
            { tag: "other aggressive", name: "Whale", aggressive: "lag" }
        ]
    }

    function test_tableChoice(data) {
        if (data.passive !== undefined)
            compare(Template.passiveTableName(data.name), data.passive)
        else
            compare(Template.aggressiveTableName(data.name), data.aggressive)
    }

    // The values the set-up page's design fixes.
    function test_fixedValues_data() {
        return [
            { tag: "tight limp", g: "passive", t: "tight", p: "UTG/HJ/CO", l: "Limp",
              v: "22-66, A2s-A5s, 54s-98s, T9s, JTs, QJs, KQs" },
            { tag: "tight RFI", g: "passive", t: "tight", p: "UTG/HJ/CO", l: "RFI",
              v: "22+, AJs+, KQs, AQo+, AKo" },
            { tag: "tight limp-3b", g: "passive", t: "tight", p: "UTG/HJ/CO", l: "Limp-3b",
              v: "QQ+, AKs, AKo" },
            { tag: "tight BB 3b", g: "passive", t: "tight", p: "BB", l: "3b",
              v: "TT+, AQs+, AKo, AKs, A5s-A4s" },
            { tag: "tight cold call", g: "passive", t: "tight", l: "3b cold call",
              v: "99-JJ, AQs, KQs" },
            { tag: "neutral 3b", g: "passive", t: "neutral", p: "UTG/HJ/CO", l: "3b",
              v: "99+, AJs+, KQs, AQo+, AKo" },
            { tag: "neutral SB limp-3b", g: "passive", t: "neutral", p: "SB", l: "Limp-3b",
              v: "JJ+, AKs, AKo, AQs" },
            { tag: "loose 4b", g: "passive", t: "loose", p: "UTG/HJ/CO", l: "4b",
              v: "KK+, AKs, AKo, AQs, A5s-A4s" },
            { tag: "extreme check back", g: "passive", t: "extreme", p: "BB", l: "Check back",
              v: "100%" },
            { tag: "extreme 4b", g: "passive", t: "extreme", p: "UTG/HJ/CO", l: "4b",
              v: "QQ+, AKs, AKo, A5s-A2s" },
            { tag: "LAG 4b", g: "aggressive", t: "lag", p: "UTG/HJ/CO", l: "4b",
              v: "QQ+, AKs, AKo, A5s-A4s" },
            { tag: "maniac 4b", g: "aggressive", t: "maniac", p: "UTG/HJ/CO", l: "4b",
              v: "JJ+, AKs, AKo, A5s-A2s" },
            { tag: "maniac SB 4b", g: "aggressive", t: "maniac", p: "SB", l: "4b",
              v: "TT+, AJs+, AQo+, AKo, A5s-A2s" }
        ]
    }

    function test_fixedValues(data) {
        const table = (data.g === "passive" ? Template.PASSIVE : Template.AGGRESSIVE)[data.t]
        if (data.p === undefined)
            compare(table[data.l], data.v)
        else
            compare(Template.leafValue(table, data.p, data.l), data.v)
    }

    function test_leafValueLookups() {
        const tight = Template.PASSIVE.tight
        for (const leaf of ["Limp", "RFI", "3b", "Call 4b"])
            compare(Template.leafValue(tight, "BU", leaf), Template.leafValue(tight, "UTG/HJ/CO", leaf))
        compare(Template.leafValue(null, "SB", "RFI"), "")
        compare(Template.leafValue(tight, "CO", "RFI"), "")
        compare(Template.leafValue(tight, "SB", "Check back"), "")
    }

    function test_treeOfEachPlayer_data() {
        return [
            { tag: "oop", player: "oop", positions: ["UTG/HJ/CO", "SB", "BB"], ranges: 107 },
            { tag: "ip", player: "ip", positions: ["UTG/HJ/CO", "BU", "BB"], ranges: 118 },
            { tag: "anything else is ip", player: "IP", positions: ["UTG/HJ/CO", "BU", "BB"],
              ranges: 118 }
        ]
    }

    function test_treeOfEachPlayer(data) {
        const tree = Template.templateTree(data.player)
        compare(tree.map(n => n.name), ["Passive (VPIP 18\u201365)", "Loose aggressive (VPIP 28\u201370)",
                                        "Weaker regs", "Overfolder (10-22 VPIP)", "Other"])
        compare(tree[0].children.map(n => n.name), Template.PASSIVE_ARCHETYPES)
        compare(tree[1].children.map(n => n.name), Template.AGGRESSIVE_ARCHETYPES)
        for (const archetype of tree[0].children) {
            compare(archetype.children.map(n => n.name), data.positions.concat(["3b cold call"]))
            verify(archetype.children[3].children === undefined)
        }
        for (const archetype of tree[1].children)
            compare(archetype.children.map(n => n.name), data.positions)
        compare(tree[2].children, [{ type: "folder", name: "Tighter reg", children: [] },
                                   { type: "folder", name: "Looser reg", children: [] }])
        compare(tree[3].children[0].name, "Nit")
        compare(tree[3].children[0].children.map(n => n.name), data.positions)
        compare(tree[4].children, [{ name: "Bomb pot", value: "100%" }])

        const all = leaves(tree, "", [])
        compare(all.length, data.ranges)
        for (const leaf of all) {
            if (leaf.path.startsWith("Overfolder"))
                compare(leaf.value, "", leaf.path)
            else
                verify(leaf.value !== "" && leaf.value.indexOf(":") < 0, leaf.path)
        }
    }

    // Each archetype takes its own table by name; the button folder of the IP
    // template shows the early-position values.
    function test_treeValuesFollowTheTables() {
        const tree = Template.templateTree("ip")
        const maniac = folderNamed(tree[1].children, "Maniac (VPIP 45\u201370)")
        compare(folderNamed(folderNamed(maniac.children, "BU").children, "4b").value,
                "JJ+, AKs, AKo, A5s-A2s")
        compare(folderNamed(folderNamed(maniac.children, "BB").children, "Call").value,
                Template.AGGRESSIVE.maniac.BB.Call)
        const loose = folderNamed(tree[0].children, "Passive loose (VPIP 35\u201345)")
        compare(folderNamed(loose.children, "3b cold call").value,
                Template.PASSIVE.loose["3b cold call"])
        const early = folderNamed(loose.children, "UTG/HJ/CO").children
        const button = folderNamed(loose.children, "BU").children
        compare(button, early)
        const oopExtreme = Template.templateTree("oop")[0].children[3]
        compare(folderNamed(folderNamed(oopExtreme.children, "BB").children, "Check back").value, "100%")
    }
}
