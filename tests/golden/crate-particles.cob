Caligari V00.01ALH             
Grou V0.01 Id 1000009 Parent 0 Size -1
Name Burstkin
center 1.5 -0.5 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
PolH V0.02 Id 1000010 Parent 1000009 Size -1
Name Bk,2
center 1.6 -0.6 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 15
2.000000 -1.000000 0.000000
1.500000 -1.000000 0.000000
1.500000 -1.000000 0.500000
2.000000 -1.000000 0.500000
1.000000 -1.000000 0.000000
1.000000 -1.000000 0.500000
1.500000 -1.000000 1.000000
2.000000 -1.000000 1.000000
1.000000 -1.000000 1.000000
2.000000 0.000000 0.000000
2.000000 0.000000 0.500000
1.500000 0.000000 0.500000
1.500000 0.000000 0.000000
2.000000 0.000000 1.000000
1.500000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<3,0> <2,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 1
<2,0> <5,1> <8,2> <6,3> 
Face verts 4 flags 0 mat 1
<9,0> <10,1> <11,2> <12,3> 
Face verts 4 flags 0 mat 1
<10,0> <13,1> <14,2> <11,3> 
Mat1 V0.05 Id 1000012 Parent 1000010 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000013 Parent 1000010 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000014 Parent 1000010 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000011 Parent 1000010 Size -1
Units 2
Chan V0.04 Id 1000015 Parent 1000010 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.110978 0.085830 0.287814
Chan V0.04 Id 1000223 Parent 1000010 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.125183 -0.152451 0.000000
PolH V0.02 Id 1000016 Parent 1000009 Size -1
Name Bk,3
center 1.700000 -0.300000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 15
1.500000 0.000000 0.000000
1.500000 0.000000 0.500000
1.000000 0.000000 0.500000
1.000000 0.000000 0.000000
1.500000 0.000000 1.000000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.000000
2.000000 -1.000000 0.500000
2.000000 -0.500000 0.500000
2.000000 -0.500000 0.000000
2.000000 -1.000000 1.000000
2.000000 -0.500000 1.000000
2.000000 0.000000 0.500000
2.000000 0.000000 0.000000
2.000000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<6,0> <7,1> <8,2> <9,3> 
Face verts 4 flags 0 mat 1
<7,0> <10,1> <11,2> <8,3> 
Face verts 4 flags 0 mat 1
<9,0> <8,1> <12,2> <13,3> 
Face verts 4 flags 0 mat 1
<8,0> <11,1> <14,2> <12,3> 
Mat1 V0.05 Id 1000018 Parent 1000016 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000019 Parent 1000016 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000020 Parent 1000016 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000017 Parent 1000016 Size -1
Units 2
Chan V0.04 Id 1000021 Parent 1000016 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.066030 0.344652 0.024696
Chan V0.04 Id 1000224 Parent 1000016 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.429319 0.457656 0.000000
PolH V0.02 Id 1000022 Parent 1000009 Size -1
Name Bk,4
center 1.230769 -0.576923 0.346154
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 13
1.000000 -1.000000 0.000000
1.000000 -0.500000 0.000000
1.000000 -0.500000 0.500000
1.000000 -1.000000 0.500000
1.000000 0.000000 0.000000
1.000000 0.000000 0.500000
1.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.000000
2.000000 -0.500000 0.000000
1.500000 -0.500000 0.000000
1.500000 -1.000000 0.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<3,0> <2,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 1
<2,0> <5,1> <8,2> <6,3> 
Face verts 4 flags 0 mat 2
<9,0> <10,1> <11,2> <12,3> 
Mat1 V0.05 Id 1000024 Parent 1000022 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000025 Parent 1000022 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000026 Parent 1000022 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000023 Parent 1000022 Size -1
Units 2
Chan V0.04 Id 1000027 Parent 1000022 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.291305 0.195624 0.103629
Chan V0.04 Id 1000225 Parent 1000022 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.512701 -0.159474 -0.206387
PolH V0.02 Id 1000028 Parent 1000009 Size -1
Name Bk,5
center 1.464286 -0.571429 0.428571
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 14
2.000000 -0.500000 0.000000
2.000000 0.000000 0.000000
1.500000 0.000000 0.000000
1.500000 -0.500000 0.000000
1.500000 -1.000000 0.000000
1.000000 -0.500000 0.000000
1.000000 -1.000000 0.000000
1.000000 0.000000 0.000000
2.000000 -1.000000 1.000000
1.500000 -1.000000 1.000000
1.500000 -0.500000 1.000000
2.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 -0.500000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 2
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 2
<4,0> <3,1> <5,2> <6,3> 
Face verts 4 flags 0 mat 2
<3,0> <2,1> <7,2> <5,3> 
Face verts 4 flags 0 mat 0
<8,0> <9,1> <10,2> <11,3> 
Face verts 4 flags 0 mat 0
<9,0> <12,1> <13,2> <10,3> 
Mat1 V0.05 Id 1000030 Parent 1000028 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000031 Parent 1000028 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000032 Parent 1000028 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000029 Parent 1000028 Size -1
Units 2
Chan V0.04 Id 1000033 Parent 1000028 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.173125 -0.360094 0.021131
Chan V0.04 Id 1000226 Parent 1000028 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.075235 -0.124159 -0.092457
PolH V0.02 Id 1000034 Parent 1000009 Size -1
Name Bk,6
center 1.500000 -0.250000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 6
2.000000 -0.500000 1.000000
1.500000 -0.500000 1.000000
1.500000 0.000000 1.000000
2.000000 0.000000 1.000000
1.000000 -0.500000 1.000000
1.000000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 2
Face verts 4 flags 0 mat 0
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 0
<1,0> <4,1> <5,2> <2,3> 
Mat1 V0.05 Id 1000036 Parent 1000034 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000037 Parent 1000034 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000038 Parent 1000034 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000035 Parent 1000034 Size -1
Units 2
Chan V0.04 Id 1000039 Parent 1000034 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.340550 0.139763 -0.381262
Chan V0.04 Id 1000227 Parent 1000034 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.492740 0.757298
Grou V0.01 Id 1000040 Parent 1000009 Size -1
Name BurstkinParticles
center 0.000000 0.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
PolH V0.02 Id 1000041 Parent 1000040 Size -1
Name Pt,2
center 2.000000 -1.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000044 Parent 1000041 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000045 Parent 1000041 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000046 Parent 1000041 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000043 Parent 1000041 Size -1
Units 2
Chan V0.04 Id 1000047 Parent 1000041 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.210736 0.363524 0.255049
Chan V0.04 Id 1000228 Parent 1000041 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.813166 -1.201190 -0.711997
PolH V0.02 Id 1000048 Parent 1000040 Size -1
Name Pt,3
center 2.000000 -1.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000051 Parent 1000048 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000052 Parent 1000048 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000053 Parent 1000048 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000050 Parent 1000048 Size -1
Units 2
Chan V0.04 Id 1000054 Parent 1000048 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.304062 -0.058034 0.274166
Chan V0.04 Id 1000229 Parent 1000048 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 1.124607 -1.158082 0.000000
PolH V0.02 Id 1000055 Parent 1000040 Size -1
Name Pt,4
center 2.000000 -1.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000058 Parent 1000055 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000059 Parent 1000055 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000060 Parent 1000055 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000057 Parent 1000055 Size -1
Units 2
Chan V0.04 Id 1000061 Parent 1000055 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.322849 0.049623 -0.234870
Chan V0.04 Id 1000230 Parent 1000055 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 1.055960 -0.731662 1.025555
PolH V0.02 Id 1000062 Parent 1000040 Size -1
Name Pt,5
center 1.500000 -1.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000065 Parent 1000062 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000066 Parent 1000062 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000067 Parent 1000062 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000064 Parent 1000062 Size -1
Units 2
Chan V0.04 Id 1000068 Parent 1000062 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.069875 0.138371 0.186517
Chan V0.04 Id 1000231 Parent 1000062 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 -1.085162 -0.775533
PolH V0.02 Id 1000069 Parent 1000040 Size -1
Name Pt,6
center 1.500000 -1.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000072 Parent 1000069 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000073 Parent 1000069 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000074 Parent 1000069 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000071 Parent 1000069 Size -1
Units 2
Chan V0.04 Id 1000075 Parent 1000069 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.358177 -0.311118 -0.166021
Chan V0.04 Id 1000232 Parent 1000069 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 -0.908689 0.000000
PolH V0.02 Id 1000076 Parent 1000040 Size -1
Name Pt,7
center 1.500000 -1.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000079 Parent 1000076 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000080 Parent 1000076 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000081 Parent 1000076 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000078 Parent 1000076 Size -1
Units 2
Chan V0.04 Id 1000082 Parent 1000076 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.097342 0.136906 -0.047389
Chan V0.04 Id 1000233 Parent 1000076 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 -0.688345 1.065535
PolH V0.02 Id 1000083 Parent 1000040 Size -1
Name Pt,8
center 1.000000 -1.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000086 Parent 1000083 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000087 Parent 1000083 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000088 Parent 1000083 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000085 Parent 1000083 Size -1
Units 2
Chan V0.04 Id 1000089 Parent 1000083 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.149174 -0.067580 0.238643
Chan V0.04 Id 1000234 Parent 1000083 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.888775 -0.975963 -1.032727
PolH V0.02 Id 1000090 Parent 1000040 Size -1
Name Pt,9
center 1.000000 -1.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000093 Parent 1000090 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000094 Parent 1000090 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000095 Parent 1000090 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000092 Parent 1000090 Size -1
Units 2
Chan V0.04 Id 1000096 Parent 1000090 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.070608 -0.188458 -0.090384
Chan V0.04 Id 1000235 Parent 1000090 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.812384 -0.895203 0.000000
PolH V0.02 Id 1000097 Parent 1000040 Size -1
Name Pt,10
center 1.000000 -1.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -1.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000100 Parent 1000097 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000101 Parent 1000097 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000102 Parent 1000097 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000099 Parent 1000097 Size -1
Units 2
Chan V0.04 Id 1000103 Parent 1000097 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.156902 -0.281014 0.331419
Chan V0.04 Id 1000236 Parent 1000097 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -1.112171 -1.227092 0.927267
PolH V0.02 Id 1000104 Parent 1000040 Size -1
Name Pt,11
center 2.000000 -0.500000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000107 Parent 1000104 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000108 Parent 1000104 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000109 Parent 1000104 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000106 Parent 1000104 Size -1
Units 2
Chan V0.04 Id 1000110 Parent 1000104 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.311118 -0.119193 0.265670
Chan V0.04 Id 1000237 Parent 1000104 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.802217 0.000000 -0.681803
PolH V0.02 Id 1000111 Parent 1000040 Size -1
Name Pt,12
center 2.000000 -0.500000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000114 Parent 1000111 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000115 Parent 1000111 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000116 Parent 1000111 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000113 Parent 1000111 Size -1
Units 2
Chan V0.04 Id 1000117 Parent 1000111 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.047902 0.175042 0.303781
Chan V0.04 Id 1000238 Parent 1000111 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.798021 0.000000 0.000000
PolH V0.02 Id 1000118 Parent 1000040 Size -1
Name Pt,13
center 2.000000 -0.500000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000121 Parent 1000118 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000122 Parent 1000118 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000123 Parent 1000118 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000120 Parent 1000118 Size -1
Units 2
Chan V0.04 Id 1000124 Parent 1000118 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.040736 0.206977 0.109073
Chan V0.04 Id 1000239 Parent 1000118 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.885323 0.000000 1.229648
PolH V0.02 Id 1000125 Parent 1000040 Size -1
Name Pt,14
center 1.500000 -0.500000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000128 Parent 1000125 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000129 Parent 1000125 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000130 Parent 1000125 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000127 Parent 1000125 Size -1
Units 2
Chan V0.04 Id 1000131 Parent 1000125 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.290634 0.395605 0.263790
Chan V0.04 Id 1000240 Parent 1000125 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 -0.940313
PolH V0.02 Id 1000132 Parent 1000040 Size -1
Name Pt,15
center 1.500000 -0.500000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000135 Parent 1000132 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000136 Parent 1000132 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000137 Parent 1000132 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000134 Parent 1000132 Size -1
Units 2
Chan V0.04 Id 1000138 Parent 1000132 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.083413 -0.226716 -0.155766
Chan V0.04 Id 1000241 Parent 1000132 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.779614
PolH V0.02 Id 1000139 Parent 1000040 Size -1
Name Pt,16
center 1.000000 -0.500000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000142 Parent 1000139 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000143 Parent 1000139 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000144 Parent 1000139 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000141 Parent 1000139 Size -1
Units 2
Chan V0.04 Id 1000145 Parent 1000139 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.058974 -0.050563 -0.399353
Chan V0.04 Id 1000242 Parent 1000139 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -1.163461 0.000000 -0.918588
PolH V0.02 Id 1000146 Parent 1000040 Size -1
Name Pt,17
center 1.000000 -0.500000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000149 Parent 1000146 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000150 Parent 1000146 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000151 Parent 1000146 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000148 Parent 1000146 Size -1
Units 2
Chan V0.04 Id 1000152 Parent 1000146 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.192340 0.218598 0.185833
Chan V0.04 Id 1000243 Parent 1000146 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -1.200217 0.000000 0.000000
PolH V0.02 Id 1000153 Parent 1000040 Size -1
Name Pt,18
center 1.000000 -0.500000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 -0.500000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000156 Parent 1000153 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000157 Parent 1000153 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000158 Parent 1000153 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000155 Parent 1000153 Size -1
Units 2
Chan V0.04 Id 1000159 Parent 1000153 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.130204 -0.365758 -0.160161
Chan V0.04 Id 1000244 Parent 1000153 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.862796 0.000000 1.119953
PolH V0.02 Id 1000160 Parent 1000040 Size -1
Name Pt,19
center 2.000000 0.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000163 Parent 1000160 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000164 Parent 1000160 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000165 Parent 1000160 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000162 Parent 1000160 Size -1
Units 2
Chan V0.04 Id 1000166 Parent 1000160 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.190631 -0.216266 0.189496
Chan V0.04 Id 1000245 Parent 1000160 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.761933 0.830485 -1.009114
PolH V0.02 Id 1000167 Parent 1000040 Size -1
Name Pt,20
center 2.000000 0.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000170 Parent 1000167 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000171 Parent 1000167 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000172 Parent 1000167 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000169 Parent 1000167 Size -1
Units 2
Chan V0.04 Id 1000173 Parent 1000167 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.065004 0.294821 0.378051
Chan V0.04 Id 1000246 Parent 1000167 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.982086 0.793214 0.000000
PolH V0.02 Id 1000174 Parent 1000040 Size -1
Name Pt,21
center 2.000000 0.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 2.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000177 Parent 1000174 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000178 Parent 1000174 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000179 Parent 1000174 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000176 Parent 1000174 Size -1
Units 2
Chan V0.04 Id 1000180 Parent 1000174 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.312583 -0.372814 -0.139335
Chan V0.04 Id 1000247 Parent 1000174 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.941210 1.142842 1.040853
PolH V0.02 Id 1000181 Parent 1000040 Size -1
Name Pt,22
center 1.500000 0.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000184 Parent 1000181 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000185 Parent 1000181 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000186 Parent 1000181 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000183 Parent 1000181 Size -1
Units 2
Chan V0.04 Id 1000187 Parent 1000181 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.357067 -0.020582 0.112906
Chan V0.04 Id 1000248 Parent 1000181 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.700495 -0.924844
PolH V0.02 Id 1000188 Parent 1000040 Size -1
Name Pt,23
center 1.500000 0.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000191 Parent 1000188 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000192 Parent 1000188 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000193 Parent 1000188 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000190 Parent 1000188 Size -1
Units 2
Chan V0.04 Id 1000194 Parent 1000188 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.333409 -0.321836 0.057021
Chan V0.04 Id 1000249 Parent 1000188 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.858390 0.000000
PolH V0.02 Id 1000195 Parent 1000040 Size -1
Name Pt,24
center 1.500000 0.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.500000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000198 Parent 1000195 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000199 Parent 1000195 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000200 Parent 1000195 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000197 Parent 1000195 Size -1
Units 2
Chan V0.04 Id 1000201 Parent 1000195 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.039625 0.085269 0.212152
Chan V0.04 Id 1000250 Parent 1000195 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.706465 1.242504
PolH V0.02 Id 1000202 Parent 1000040 Size -1
Name Pt,25
center 1.000000 0.000000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000205 Parent 1000202 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000206 Parent 1000202 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000207 Parent 1000202 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000204 Parent 1000202 Size -1
Units 2
Chan V0.04 Id 1000208 Parent 1000202 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.074575 0.011170 0.062123
Chan V0.04 Id 1000251 Parent 1000202 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.685007 1.162851 -1.026833
PolH V0.02 Id 1000209 Parent 1000040 Size -1
Name Pt,26
center 1.000000 0.000000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 0.500000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000212 Parent 1000209 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000213 Parent 1000209 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000214 Parent 1000209 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000211 Parent 1000209 Size -1
Units 2
Chan V0.04 Id 1000215 Parent 1000209 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.036671 0.087100 0.170696
Chan V0.04 Id 1000252 Parent 1000209 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.696203 1.141659 0.000000
PolH V0.02 Id 1000216 Parent 1000040 Size -1
Name Pt,27
center 1.000000 0.000000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
0.022485 0.000000 0.000000 1.000000
0.000000 0.022485 0.000000 0.000000
0.000000 0.000000 0.022485 1.000000
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.05 Id 1000219 Parent 1000216 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000220 Parent 1000216 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000221 Parent 1000216 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000218 Parent 1000216 Size -1
Units 2
Chan V0.04 Id 1000222 Parent 1000216 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.072585 0.046815 -0.290390
Chan V0.04 Id 1000253 Parent 1000216 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.690176 0.912694 1.137062
END  V1.00 Id 0 Parent 0 Size        0